// The calculation conditions dialog.
#include "dialogs/CalJkn.h"

#include "mainwin/form_sizes.h"

namespace selvana {

TCal_Frm* Cal_Frm = nullptr;

TCal_Frm::TCal_Frm(QWidget* parent) : SettingsForm(kSlotCal, "計算条件設定", parent) {}

}  // namespace selvana
