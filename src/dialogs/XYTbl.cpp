// The point table editor dialog.
#include "dialogs/XYTbl.h"

#include "mainwin/form_sizes.h"

namespace selvana {

TXYT_Frm* XYT_Frm = nullptr;

TXYT_Frm::TXYT_Frm(QWidget* parent) : SettingsForm(kSlotXYT, "座標値編集画面", parent) {}

}  // namespace selvana
