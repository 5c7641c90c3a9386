// The drawing settings dialog: its controls. What it shows and stores is decided in
// forms/view_settings_form.
#include "dialogs/DrawJkn.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "forms/view_settings_form.h"
#include "mainwin/form_sizes.h"

namespace selvana {

TDraw_Frm* Draw_Frm = nullptr;

TDraw_Frm::TDraw_Frm(QWidget* parent) : FormDialog(kSlotDraw, "作図条件設定", parent) {
  auto* columns = new QHBoxLayout();
  columns->addWidget(SizeGroups());
  columns->addWidget(SwitchGroups());
  QVBoxLayout* form = MakeFormLayout();
  form->addLayout(columns);
  form->addWidget(SoilGroup());
  AddAnswerRow(form);
  AddNumberEdits({kDrawScaleEdit}, 0);
  AddNumberEdits(kDrawSizeEdits, 2);
  AddNumberEdits(kDrawDecimalsEdits, -1);
  connect(CheckBox(5), &QCheckBox::toggled, this, &TDraw_Frm::CheckBox5Click);
}

QWidget* TDraw_Frm::SizeGroups() {
  auto* column = new QWidget();
  auto* groups = new QVBoxLayout(column);
  groups->setContentsMargins(0, 0, 0, 0);
  QGridLayout* grid = nullptr;
  groups->addWidget(FormGroup("作図サイズ", grid));
  grid->addWidget(MakeRadioButton(5, "Ａ４横"), 0, 0);
  grid->addWidget(MakeRadioButton(6, "Ｂ４横"), 0, 1);
  grid->addWidget(MakeRadioButton(7, "Ａ３横"), 0, 2);

  groups->addWidget(FormGroup("作図スケール", grid));
  AddEditRow(grid, 0, "縮尺　１／", {kDrawScaleEdit});

  groups->addWidget(FormGroup("矢線の長さ　(0.0なら作図しない)", grid));
  AddEditRow(grid, 0, "上載荷重", {9});
  grid->addWidget(RedNote("※　荷重(kN/m2)当たりの矢線の長さ"), 1, 0, 1, 2);
  AddEditRow(grid, 2, "水平外力", {10});
  grid->addWidget(RedNote("※　外力(kN/m)当たりの矢線の長さ"), 3, 0, 1, 2);
  AddEditRow(grid, 4, "土圧強度", {16});
  grid->addWidget(RedNote("※　土圧強度(kN/m2)当たりの矢線の長さ"), 5, 0, 1, 2);

  groups->addWidget(FormGroup("文字サイズ", grid));
  AddEditRow(grid, 0, "業務名", {1});
  AddEditRow(grid, 1, "土質条件", {2});
  AddEditRow(grid, 2, "スケール", {4});
  AddEditRow(grid, 3, "安全率一覧", {5});
  AddEditRow(grid, 4, "最小安全率", {6});
  AddEditRow(grid, 5, "点番号", {7});
  grid->addWidget(RedNote("※　サイズ=0.0なら作図しない"), 6, 0, 1, 2);
  return column;
}

QWidget* TDraw_Frm::SwitchGroups() {
  auto* column = new QWidget();
  auto* groups = new QVBoxLayout(column);
  groups->setContentsMargins(0, 0, 0, 0);
  QGridLayout* grid = nullptr;
  groups->addWidget(FormGroup("安全率作図スイッチ", grid));
  const char* orders[] = {"１次格子の安全率", "２次格子の安全率", "３次格子の安全率",
                          "４次格子の安全率"};
  for (int i = 0; i < 4; ++i) grid->addWidget(MakeCheckBox(1 + i, orders[i]), i, 0);
  grid->addWidget(RedNote("※　チェックの付いている"), 4, 0);
  grid->addWidget(RedNote("　　次数の格子の安全率を"), 5, 0);
  grid->addWidget(RedNote("　　作図（初期値）"), 6, 0);

  groups->addWidget(FormGroup("小数点以下桁数", grid));
  AddEditRow(grid, 0, "安全率", {8});
  AddEditRow(grid, 1, "土質条件　γt", {11});
  AddEditRow(grid, 2, "　　　　　Ｃ", {12});
  AddEditRow(grid, 3, "　　　　　φ", {13});
  AddEditRow(grid, 4, "水平外力", {14});
  AddEditRow(grid, 5, "上載荷重", {15});
  AddEditRow(grid, 6, "土圧強度", {17});
  AddEditRow(grid, 7, "モーメント・力", {18});
  grid->addWidget(MakeCheckBox(5, "C,φ作図のスイッチ"), 8, 0, 1, 2);
  grid->addWidget(RedNote("※　C,φ=0.0の時に、"), 9, 0, 1, 2);
  label36_ = RedNote("　　C,φを作図する。");
  label36_->setObjectName("Label36");
  grid->addWidget(label36_, 10, 0, 1, 2);
  return column;
}

QWidget* TDraw_Frm::SoilGroup() {
  QGridLayout* grid = nullptr;
  QGroupBox* group = FormGroup("土質条件", grid);
  grid->addWidget(MakeRadioButton(1, "土質条件を直接地形に書き込む"), 0, 0);
  grid->addWidget(MakeRadioButton(2, "土質条件を表形式でまとめて作図する"), 1, 0);
  return group;
}

void TDraw_Frm::FormShow() {
  const FormControls form = FillDrawSettings();
  ShowControls(form);
  CheckBox5Click(form.Check[5]);
}

void TDraw_Frm::Store(const FormControls& form) { StoreDrawSettings(form); }

void TDraw_Frm::CheckBox5Click(bool checked) {
  label36_->setText(checked ? "　　C,φを作図する。" : "　　C,φを作図しない。");
}

}  // namespace selvana
