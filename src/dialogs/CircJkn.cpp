// The slip-circle search settings dialog.
#include "dialogs/CircJkn.h"

#include "mainwin/form_sizes.h"

namespace selvana {

TCirc_Frm* Circ_Frm = nullptr;

TCirc_Frm::TCirc_Frm(QWidget* parent) : SettingsForm(kSlotCirc, "すべり円の設定－修正フェレニウス法", parent) {}

}  // namespace selvana
