// The straight-slip settings dialog of method 3: its controls. What it shows and stores is
// decided in forms/search_settings_form.
#include "dialogs/LineJkn.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>

#include "forms/search_settings_form.h"
#include "mainwin/form_sizes.h"

namespace selvana {

TLine_Frm* Line_Frm = nullptr;

TLine_Frm::TLine_Frm(QWidget* parent)
    : FormDialog(kSlotLine, "すべり線の設定－直線すべり法(1)", parent) {
  QGridLayout* grid = nullptr;
  QGroupBox* start = FormGroup("すべり開始点の設定", grid);
  AddEditRows(grid, {{0, "開始位置(Ｘ)", {3}, "ｍ"}, {0, "開始位置(Ｙ)", {4}, "ｍ", 3}});

  QGroupBox* angles = FormGroup("すべり角度の設定", grid);
  AddEditRows(grid, {{0, "角度範囲(αmin)", {9}, "度"},
                     {1, "角度範囲(αmax)", {10}, "度"},
                     {2, "ピッチ　　(Δα)", {11}, "度"}});

  QGroupBox* force = FormGroup("水平外力作用位置の設定", grid);
  AddEditRows(grid, {{0, "作用位置 (Ｘ)", {2}, "ｍ"}});

  QGroupBox* passes = FormGroup("すべり角の２次分割", grid);
  grid->addWidget(MakeCheckBox(1, "最小安全率のすべり角の前後の範囲を角度ピッチを1/10にして再検討"),
                  0, 0);

  QGroupBox* side = FormGroup("すべり方向", grid);
  AddRadioButtons(grid, {{5, "すべり開始点より上をすべり面とする"},
                         {6, "すべり開始点より下をすべり面とする"},
                         {7, "すべり開始点の上下ともにすべり面とする"}});

  LayOutSearchForm({start, angles, force, passes, side}, kLineNumberEdits);
}

void TLine_Frm::FormShow() {
  setWindowTitle(QString::fromUtf8("すべり線の設定－直線すべり法（１）"));
  ShowControls(FillLineFromPoint());
}

std::optional<EditRefusal> TLine_Frm::RefusedValue(const FormControls& form) const {
  return RefusedLineFromPoint(form);
}

void TLine_Frm::Store(const FormControls& form) { StoreLineFromPoint(form); }

}  // namespace selvana
