// The line table editor dialog.
#include "dialogs/LNTbl.h"

#include "forms/table_editor_form.h"
#include "mainwin/form_sizes.h"
#include "view/model_entities.h"
#include "view/redraw_view.h"
#include "view/view_ports.h"

namespace selvana {

TLNT_Frm* LNT_Frm = nullptr;

namespace {

// The kinds a row may hold, beside the grid.
constexpr const char* kKindLegend[] = {
    "＜線分の種類＞",   "1:境界線",           "2:不切線",         "3:円弧制限線－小",
    "4:円弧制限線－大", "5:円弧制限点－小",   "6:円弧制限点－大", "3,4は始点=終点な",
    "ら水平の制限線",   "5,6は常に始点=終点", "7:残留水位線",
};

StringGridLayout LineGrid() {
  StringGridLayout layout;
  layout.Headers = {" No", "種類", "始点No", "終点No"};
  layout.ColumnWidths = {30, 30, 48};
  layout.DataRows = kLineGridRows;
  layout.Display = ShowAsSlot;
  layout.Cells = TypedKind::Integer;
  layout.EnterSelects = false;  // unlike the point table, Enter does not highlight the row
  return layout;
}

}  // namespace

TLNT_Frm::TLNT_Frm(QWidget* parent)
    : PreviewTableForm(kSlotLNT, "線分の編集画面", LineGrid(), parent, kRedrawLineTable,
                       ViewPorts.LineTableGrid, DrawLineFromTable) {
  AddKeyHelp({"Esc   :線分を削除", "F2    :編集モード"});
  AddPanel(kKindLegend, false);
}

void TLNT_Frm::FormShow() {
  FillLineRows(*StringGrid1());
  StringGrid1()->setFocus();
}

void TLNT_Frm::OkClick() {
  if (RefuseCell(RefusedLineRow(*StringGrid1()))) return;
  StoreLineRows(*StringGrid1());
  accept();
}

}  // namespace selvana
