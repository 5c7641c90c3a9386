// The slip-line settings of the straight-line search from a start point dialog.
#include "dialogs/LineJkn.h"

#include "mainwin/form_sizes.h"

namespace selvana {

TLine_Frm* Line_Frm = nullptr;

TLine_Frm::TLine_Frm(QWidget* parent) : SettingsForm(kSlotLine, "すべり線の設定－直線すべり法(1)", parent) {}

}  // namespace selvana
