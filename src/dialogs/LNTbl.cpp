// The line table editor dialog.
#include "dialogs/LNTbl.h"

#include "mainwin/form_sizes.h"

namespace selvana {

TLNT_Frm* LNT_Frm = nullptr;

TLNT_Frm::TLNT_Frm(QWidget* parent) : SettingsForm(kSlotLNT, "線分の編集画面", parent) {}

}  // namespace selvana
