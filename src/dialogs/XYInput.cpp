// The point input by coordinates dialog.
#include "dialogs/XYInput.h"

#include "mainwin/form_sizes.h"

namespace selvana {

TXY_Frm* XY_Frm = nullptr;

TXY_Frm::TXY_Frm(QWidget* parent) : SettingsForm(kSlotXY, "座標入力", parent) {}

}  // namespace selvana
