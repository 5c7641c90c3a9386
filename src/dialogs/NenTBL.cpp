// The cohesion reference line table dialog.
#include "dialogs/NenTBL.h"

#include "mainwin/form_sizes.h"

namespace selvana {

TNenT_Frm* NenT_Frm = nullptr;

TNenT_Frm::TNenT_Frm(QWidget* parent) : SettingsForm(kSlotNenT, "粘着力基準線", parent) {}

}  // namespace selvana
