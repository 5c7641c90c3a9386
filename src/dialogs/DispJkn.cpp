// The display settings of the main view dialog.
#include "dialogs/DispJkn.h"

#include "mainwin/form_sizes.h"

namespace selvana {

TDisp_Frm* Disp_Frm = nullptr;

TDisp_Frm::TDisp_Frm(QWidget* parent) : SettingsForm(kSlotDisp, "表示条件設定", parent) {}

}  // namespace selvana
