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
  columns->addLayout(SizeGroups());
  columns->addLayout(SwitchGroups());
  QVBoxLayout* form = MakeFormLayout();
  form->addLayout(columns);
  form->addWidget(SoilGroup());
  AddAnswerRow(form);
  AddNumberEdits({kDrawScaleEdit}, 0);
  AddNumberEdits(kDrawSizeEdits, 2);
  AddIntegerEdits(kDrawDecimalsEdits);
  connect(CheckBox(5), &QCheckBox::toggled, this, &TDraw_Frm::CheckBox5Click);
}

QLayout* TDraw_Frm::SizeGroups() {
  auto* groups = new QVBoxLayout();
  QGridLayout* grid = nullptr;
  groups->addWidget(FormGroup("作図サイズ", grid));
  grid->addWidget(MakeRadioButton(5, "Ａ４横"), 0, 0);
  grid->addWidget(MakeRadioButton(6, "Ｂ４横"), 0, 1);
  grid->addWidget(MakeRadioButton(7, "Ａ３横"), 0, 2);

  groups->addWidget(FormGroup("作図スケール", grid));
  AddEditRows(grid, {{0, "縮尺　１／", {kDrawScaleEdit}}});

  groups->addWidget(FormGroup("矢線の長さ　(0.0なら作図しない)", grid));
  AddEditRows(grid, {{0, "上載荷重", {9}}, {2, "水平外力", {10}}, {4, "土圧強度", {16}}});
  grid->addWidget(RedNote("※　荷重(kN/m2)当たりの矢線の長さ"), 1, 0, 1, 2);
  grid->addWidget(RedNote("※　外力(kN/m)当たりの矢線の長さ"), 3, 0, 1, 2);
  grid->addWidget(RedNote("※　土圧強度(kN/m2)当たりの矢線の長さ"), 5, 0, 1, 2);

  groups->addWidget(FormGroup("文字サイズ", grid));
  AddEditRows(grid, {{0, "業務名", {1}},
                     {1, "土質条件", {2}},
                     {2, "スケール", {4}},
                     {3, "安全率一覧", {5}},
                     {4, "最小安全率", {6}},
                     {5, "点番号", {7}}});
  AddRedNotes(grid, 6, {"※　サイズ=0.0なら作図しない"}, 0, 2);
  return groups;
}

QLayout* TDraw_Frm::SwitchGroups() {
  auto* groups = new QVBoxLayout();
  QGridLayout* grid = nullptr;
  groups->addWidget(FormGroup("安全率作図スイッチ", grid));
  const char* orders[] = {"１次格子の安全率", "２次格子の安全率", "３次格子の安全率",
                          "４次格子の安全率"};
  for (int i = 0; i < 4; ++i) grid->addWidget(MakeCheckBox(1 + i, orders[i]), i, 0);
  AddRedNotes(grid, 4,
              {"※　チェックの付いている", "　　次数の格子の安全率を", "　　作図（初期値）"});

  groups->addWidget(FormGroup("小数点以下桁数", grid));
  AddEditRows(grid, {{0, "安全率", {8}},
                     {1, "土質条件　γt", {11}},
                     {2, "　　　　　Ｃ", {12}},
                     {3, "　　　　　φ", {13}},
                     {4, "水平外力", {14}},
                     {5, "上載荷重", {15}},
                     {6, "土圧強度", {17}},
                     {7, "モーメント・力", {18}}});
  grid->addWidget(MakeCheckBox(5, "C,φ作図のスイッチ"), 8, 0, 1, 2);
  AddRedNotes(grid, 9, {"※　C,φ=0.0の時に、"}, 0, 2);
  label36_ = RedNote("　　C,φを作図する。");
  label36_->setObjectName("Label36");
  grid->addWidget(label36_, 10, 0, 1, 2);
  return groups;
}

QWidget* TDraw_Frm::SoilGroup() {
  QGridLayout* grid = nullptr;
  QGroupBox* group = FormGroup("土質条件", grid);
  AddRadioButtons(grid,
                  {{1, "土質条件を直接地形に書き込む"}, {2, "土質条件を表形式でまとめて作図する"}});
  return group;
}

void TDraw_Frm::FormShow() {
  const FormControls form = FillDrawSettings();
  ShowControls(form);
  CheckBox5Click(form.Check[5]);
}

std::optional<EditRefusal> TDraw_Frm::RefusedValue(const FormControls& form) const {
  return RefusedDrawSettings(form);
}

void TDraw_Frm::Store(const FormControls& form) { StoreDrawSettings(form); }

void TDraw_Frm::CheckBox5Click(bool checked) {
  label36_->setText(checked ? "　　C,φを作図する。" : "　　C,φを作図しない。");
}

}  // namespace selvana
