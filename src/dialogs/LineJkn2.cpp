// The slip-line settings of the straight-line search between two segments dialog.
#include "dialogs/LineJkn2.h"

#include "mainwin/form_sizes.h"

namespace selvana {

TLine_Frm2* Line_Frm2 = nullptr;

TLine_Frm2::TLine_Frm2(QWidget* parent) : SettingsForm(kSlotLine2, "すべり線の設定－直線すべり法(2)", parent) {}

}  // namespace selvana
