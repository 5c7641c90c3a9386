// The drawing settings of the calculation figure dialog.
#include "dialogs/DrawJkn.h"

#include "mainwin/form_sizes.h"

namespace selvana {

TDraw_Frm* Draw_Frm = nullptr;

TDraw_Frm::TDraw_Frm(QWidget* parent) : SettingsForm(kSlotDraw, "作図条件設定", parent) {}

}  // namespace selvana
