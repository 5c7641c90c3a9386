// The soil block constants dialog.
#include "dialogs/BlockSet.h"

#include "mainwin/form_sizes.h"

namespace selvana {

TBlk_Frm* Blk_Frm = nullptr;

TBlk_Frm::TBlk_Frm(QWidget* parent) : SettingsForm(kSlotBlk, "ブロック構成項目", parent) {}

}  // namespace selvana
