// The partial safety factors dialog.
#include "dialogs/PAnzen.h"

#include "mainwin/form_sizes.h"

namespace selvana {

TPA_Frm* PA_Frm = nullptr;

TPA_Frm::TPA_Frm(QWidget* parent) : SettingsForm(kSlotPA, "部分係数設定", parent) {}

}  // namespace selvana
