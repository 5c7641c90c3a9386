// The sheet-pile settings dialog.
#include "dialogs/YaitaJkn.h"

#include "mainwin/form_sizes.h"

namespace selvana {

TYT_Frm* YT_Frm = nullptr;

TYT_Frm::TYT_Frm(QWidget* parent) : SettingsForm(kSlotYT, "矢板の設定", parent) {}

}  // namespace selvana
