// The point table editor dialog.
#include "dialogs/XYTbl.h"

#include "forms/table_editor_form.h"
#include "mainwin/form_sizes.h"
#include "view/model_entities.h"
#include "view/redraw_view.h"
#include "view/view_ports.h"

namespace selvana {

TXYT_Frm* XYT_Frm = nullptr;

TXYT_Frm::TXYT_Frm(QWidget* parent)
    : PreviewTableForm(kSlotXYT, "座標値編集画面", CoordinateGrid(kPointGridRows), parent,
                       kRedrawPointTable, ViewPorts.PointTableGrid, DrawPointFromTable) {
  AddKeyHelp({"Esc   :座標を削除", "F2    :編集モード"});
  AddPanel(kHalfRowNote, true);
}

void TXYT_Frm::FormShow() {
  FillPointRows(*StringGrid1());
  StringGrid1()->setFocus();
}

void TXYT_Frm::OkClick() {
  if (RefuseCell(RefusedPointCell(*StringGrid1()))) return;
  if (StorePointRows(*StringGrid1())) accept();
}

}  // namespace selvana
