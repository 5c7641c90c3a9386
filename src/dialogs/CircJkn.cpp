// The slip-circle search settings dialog: its controls. What it shows, enables and stores is
// decided in forms/search_settings_form.
#include "dialogs/CircJkn.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>

#include "forms/search_settings_form.h"
#include "mainwin/form_sizes.h"

namespace selvana {

TCirc_Frm* Circ_Frm = nullptr;

TCirc_Frm::TCirc_Frm(QWidget* parent) : FormDialog(kSlotCirc, "すべり円の設定", parent) {
  QGridLayout* grid = nullptr;
  QGroupBox* centres = FormGroup("円弧中心グリッドの設定", grid);
  AddEditRows(grid, {{0, "中心位置(Xmin)", {3}, "ｍ"},
                     {1, "中心位置(Xmax)", {4}, "ｍ"},
                     {2, "ピッチ　(ΔＸ)", {5}, "ｍ"},
                     {0, "中心位置(Ymin)", {6}, "ｍ", 3},
                     {1, "中心位置(Ymax)", {7}, "ｍ", 3},
                     {2, "ピッチ　(ΔＹ)", {8}, "ｍ", 3}});

  QGroupBox* radius = FormGroup("円弧半径の設定", grid);
  AddEditRows(grid, {{0, "半径範囲(Rmin)", {9}, "ｍ"},
                     {1, "半径範囲(Rmax)", {10}, "ｍ"},
                     {2, "ピッチ　(ΔＲ)", {11}, "ｍ"},
                     {1, "通過点(X)", {2}, "ｍ", 3},
                     {2, "通過点(Y)", {12}, "ｍ", 3}});
  grid->addWidget(MakeCheckBox(2, "通過点指定をする"), 0, 3, 1, 3);

  QGroupBox* firstGrid = FormGroup("１次格子の設定", grid);
  grid->addWidget(MakeCheckBox(1, "最小安全率がグリッド境界の時に１次格子を拡張する"), 0, 0);

  QGroupBox* orders = FormGroup("Ｎ次格子の発生", grid);
  AddRadioButtons(grid, {{1, "２次格子を発生しない"},
                         {2, "２次格子を発生する(ピッチは１次格子の1/2)"},
                         {3, "３次格子を発生する(ピッチは２次格子の1/2)"},
                         {4, "４次格子を発生する(ピッチは３次格子の1/2)"}});

  QGroupBox* direction = FormGroup("すべり方向", grid);
  AddRadioButtons(grid, {{5, "すべる方向を荷重から自動的に判定する"},
                         {6, "左(Xmin)から右(Xmax)方向にすべる"},
                         {7, "右(Xmax)から左(Xmin)方向にすべる"}});

  LayOutSearchForm({centres, radius, firstGrid, orders, direction}, kCircleNumberEdits);
}

void TCirc_Frm::FormShow() {
  setWindowTitle(QString::fromUtf8(CircleFormCaption(cm.kt)));
  ShowControls(FillCircleSearch());
}

void TCirc_Frm::ApplyEnabling(FormControls& form) { ApplyCircleSearchEnabling(form); }

std::optional<EditRefusal> TCirc_Frm::RefusedValue(const FormControls& form) const {
  return RefusedCircleSearch(form);
}

void TCirc_Frm::Store(const FormControls& form) { StoreCircleSearch(form); }

}  // namespace selvana
