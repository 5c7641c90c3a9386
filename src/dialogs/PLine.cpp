// The parallel-line distance dialog.
#include "dialogs/PLine.h"

#include "mainwin/form_sizes.h"

namespace selvana {

TPLine_Frm* PLine_Frm = nullptr;

TPLine_Frm::TPLine_Frm(QWidget* parent) : SettingsForm(kSlotPLine, "平行線の離れ", parent) {}

}  // namespace selvana
