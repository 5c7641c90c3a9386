// The cohesion reference line table dialog.
#include "dialogs/NenTBL.h"

#include <QPushButton>

#include "forms/table_editor_form.h"
#include "mainwin/form_sizes.h"
#include "view/redraw_view.h"

namespace selvana {

TNenT_Frm* NenT_Frm = nullptr;

TNenT_Frm::TNenT_Frm(QWidget* parent)
    : TableForm(kSlotNenT, "粘着力基準線", CoordinateGrid(kCohesionGridRows), parent) {
  AddKeyHelp({"Esc   :座標を削除"});
  AddPanel(kHalfRowNote, true);
}

void TNenT_Frm::FormShow() {
  OkButton()->setFocus();
  FillCohesionRows(*StringGrid1());
}

void TNenT_Frm::OkClick() {
  StoreCohesionRows(*StringGrid1());
  RedrawView(kRedrawModel);
  accept();
}

}  // namespace selvana
