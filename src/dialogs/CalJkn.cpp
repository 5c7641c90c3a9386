// The calculation conditions dialog: its controls and the windows its buttons open. What it
// shows, enables and stores is decided in forms/calc_conditions_form.
#include "dialogs/CalJkn.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "dialogs/NenTBL.h"
#include "dialogs/PAnzen.h"
#include "dialogs/YaitaJkn.h"
#include "forms/calc_conditions_form.h"
#include "mainwin/form_sizes.h"

namespace selvana {

TCal_Frm* Cal_Frm = nullptr;

namespace {

constexpr char kForcePerArea[] = "kＮ/ｍ<sup>2</sup>";

// The second line of the seismic note, finishing Label37's sentence as the switch stands.
constexpr char kSurchargeIncluded[] = "　　減に、上載荷重分も含めて考える";
constexpr char kSurchargeExcluded[] = "　　減に、上載荷重分は除いて考える";

// The friction and cohesion terms of a sand-pile base slice under each formula, as the circle
// mechanics compute them; Image1 shows the one chosen.
constexpr const char* kSandPileFormulas[] = {
    "式0: mrf = (Ws·A0 + (Wo + Q)·μ)·R·As·tanφs·cosα − S<br>mrc = (1 − As)·R·c·l",
    "式1: mrf = (γ''·A0 + Wo + Q)·R·μ·As·tanφs·cosα − S<br>mrc = (1 − As)·R·c·l",
    "式2: mrf = (γ''·A0 + Wo + Q)·R·tanφs·cosα − S<br>mrc = 0",
    "式3: mrf = (γ''·A0 + Wo + Q)·R·μ·As·tanφs·cosα − S<br>mrc = 0",
};

// The heads "(1)" "(2)" "(3)" over the three columns of loads or forces.
void AddColumnHeads(QGridLayout* grid) {
  const char* heads[] = {"(1)", "(2)", "(3)"};
  for (int i = 0; i < 3; ++i) grid->addWidget(FormLabel(heads[i]), 0, 1 + i);
}

// Shows a dialog of another unit modally, when it exists.
void ShowOther(QDialog* dialog) {
  if (dialog) dialog->exec();
}

}  // namespace

TCal_Frm::TCal_Frm(QWidget* parent) : FormDialog(kSlotCal, "計算条件設定", parent) {
  auto* title = new QGridLayout();
  AddEditRows(title, {{0, "検討ケース", {1}}});
  Edit(1)->setMaximumWidth(QWIDGETSIZE_MAX);  // a title, not a number
  AddFileTextEdit(1, kTitleNotCp932Message);
  auto* right = new QVBoxLayout();
  right->addWidget(TableFormatGroup());
  right->addWidget(SliceGroup());
  auto* methods = new QHBoxLayout();
  methods->addWidget(MethodGroup());
  methods->addLayout(right);
  auto* loads = new QHBoxLayout();
  loads->addWidget(SurchargeGroup());
  loads->addWidget(ForceGroup());
  auto* soil = new QHBoxLayout();
  soil->addWidget(SandPileGroup());
  soil->addWidget(CohesionGroup());
  QGroupBox* rounding =
      MakeRadioGroup("まるめ方法", "JISZ8401(規則A)-5捨5入", "JISZ8401(規則B)-4捨5入");
  rounding->setVisible(false);  // never shown: the rounding rule passes through unchanged

  QVBoxLayout* form = MakeFormLayout();
  form->addLayout(title);
  for (QLayout* row : std::initializer_list<QLayout*>{methods, loads, soil}) form->addLayout(row);
  form->addWidget(OtherGroup());
  form->addWidget(rounding);
  AddAnswerRow(form);

  AddNumberEdits(
      {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24}, 4);
  connect(Button(3), &QPushButton::clicked, this, [] { ShowOther(NenT_Frm); });
  connect(Button(4), &QPushButton::clicked, this, [] { ShowOther(YT_Frm); });
  connect(Button(5), &QPushButton::clicked, this, [] { ShowOther(PA_Frm); });
  connect(Edit(1), &QLineEdit::textEdited, this, &TCal_Frm::Edit1Change);
  connect(CheckBox(5), &QCheckBox::toggled, this, &TCal_Frm::CheckBox5Click);
  connect(findChild<QSpinBox*>("UpDown1"), &QSpinBox::valueChanged, this, &TCal_Frm::UpDown1Click);
}

QWidget* TCal_Frm::MethodGroup() {
  QGridLayout* grid = nullptr;
  QGroupBox* group = FormGroup("すべり崩壊の検討方法", grid);
  AddRadioButtons(grid, {{1, "円弧(修正フェレニウス法)"},
                         {2, "円弧(チェボタリオフ法)"},
                         {3, "円弧(簡易ビショップ法)"},
                         {5, "円弧(簡易ビショップ法)-修正式"},
                         {4, "直線すべり－始点とすべり角指定"},
                         {12, "直線すべり－始点と終点を指定"}});
  grid->addWidget(MakeButton(4, "矢板の設定"), 0, 1);
  AddRedNotes(grid, 1,
              {"※　修正フェレニウス法とチェボタリオフ法は",
               "　　名称が異なるだけで計算方法や計算内容は", "　　全く同じ"},
              1);
  return group;
}

QWidget* TCal_Frm::SurchargeGroup() {
  QGridLayout* grid = nullptr;
  QGroupBox* group = FormGroup("上載荷重", grid);
  AddColumnHeads(grid);
  AddEditRows(grid, {{1, "作用位置(Xmin)", {3, 6, 9}, "ｍ"},
                     {2, "作用位置(Xmax)", {4, 7, 10}, "ｍ"},
                     {3, "荷重(Xmin)", {5, 8, 11}, kForcePerArea},
                     {4, "荷重(Xmax)", {20, 21, 22}, kForcePerArea}});
  return group;
}

QWidget* TCal_Frm::ForceGroup() {
  QGridLayout* grid = nullptr;
  QGroupBox* group = FormGroup("水平外力", grid);
  AddColumnHeads(grid);
  AddEditRows(grid,
              {{1, "作用高さ (Y)", {12, 15, 18}, "ｍ"}, {2, "水平外力", {13, 16, 19}, "kＮ/ｍ"}});
  AddRedNotes(grid, 3,
              {"※ (1),(2)はすべり円/面の中に入った時のみに作用する",
               "※ (3)はすべり円/面の位置に関係なく無条件に作用する"},
              0, 5);
  return group;
}

QWidget* TCal_Frm::SandPileGroup() {
  QGridLayout* grid = nullptr;
  QGroupBox* group = FormGroup("砂杭の計算式", grid);
  grid->addWidget(FormLabel("▲▼ボタンで使用する砂杭の式を選択して下さい"), 0, 0, 1, 2);
  grid->addWidget(MakeUpDown(0, 3), 1, 0);
  image1_ = new QLabel();
  image1_->setObjectName("Image1");
  image1_->setMinimumSize(270, 50);
  QFont small = image1_->font();
  small.setPixelSize(11);
  image1_->setFont(small);
  grid->addWidget(image1_, 1, 1);
  return group;
}

QWidget* TCal_Frm::TableFormatGroup() {
  QGridLayout* grid = nullptr;
  QGroupBox* group = FormGroup("安全率一覧表（帳票）の形式", grid);
  AddRadioButtons(grid, {{6, "安全率のみを記入する。"}, {7, "安全率/半径を記入する。"}});
  AddRedNotes(grid, 2, {"※　安全率一覧表の出力内容を", "　　指定します。"});
  return group;
}

QWidget* TCal_Frm::CohesionGroup() {
  QGridLayout* grid = nullptr;
  QGroupBox* group = FormGroup("粘着力基準線", grid);
  grid->addWidget(MakeRadioButton(8, "粘着力基準高を設定する"), 0, 0);
  grid->addWidget(MakeEdit(14), 0, 1);
  grid->addWidget(FormLabel("ｍ"), 0, 2);
  grid->addWidget(MakeRadioButton(9, "粘着力基準線を設定する。"), 1, 0);
  grid->addWidget(MakeButton(3, "粘着力基準線設定"), 1, 1, 1, 2);
  grid->addWidget(RedNote("※　粘着力(C=C0+K･Z)がC0となる位置(左式のZ=0となる位置)"), 2, 0, 1, 3);
  return group;
}

QWidget* TCal_Frm::SliceGroup() {
  QGridLayout* grid = nullptr;
  QGroupBox* group = FormGroup("すべり計算でスライスする幅", grid);
  grid->addWidget(MakeEdit(24), 0, 0);
  grid->addWidget(FormLabel("ｍ"), 0, 1);
  return group;
}

QWidget* TCal_Frm::OtherGroup() {
  QGridLayout* grid = nullptr;
  QGroupBox* group = FormGroup("その他", grid);
  AddEditRows(grid, {{0, "水平震度", {2}}, {5, "最大安全率", {17}}, {6, "許容安全率", {23}}});
  grid->addWidget(RedNote("※　常時なら0.0(ビショップ法では常に0.0)"), 0, 2);
  grid->addWidget(MakeCheckBox(5, "水平震度作用スイッチ"), 1, 0);
  AddRedNotes(grid, 1,
              {"※　抵抗力にかかる荷重の水平震度による低", kSurchargeIncluded,
               "（上載荷重の水平震度による起動力の増加は", "　考えません。）"},
              1, 2);
  grid->itemAtPosition(1, 1)->widget()->setObjectName("Label37");
  label38_ = qobject_cast<QLabel*>(grid->itemAtPosition(2, 1)->widget());
  label38_->setObjectName("Label38");
  grid->addWidget(RedNote("※　最大安全率を越える結果は出力しない"), 5, 2);

  // Never shown: the driving-force mode, the partial-factor switch and its dialog pass through
  // unchanged, yet the switches still take part in enabling the seismic edit.
  QLabel* label31 = FormLabel("起動力/モーメントの計算方法");
  label31->setObjectName("Label31");
  const std::initializer_list<QWidget*> hidden = {
      label31, MakeRadioButton(10, "全重量で計算（浮力を考慮しない）"),
      MakeRadioButton(11, "有効重量で計算（浮力を考慮する）"),
      MakeCheckBox(1, "部分係数使用スイッチ"), MakeButton(5, "部分係数の設定")};
  int row = 7;
  for (QWidget* widget : hidden) {
    grid->addWidget(widget, row++, 0);
    widget->setVisible(false);
  }
  return group;
}

void TCal_Frm::FormShow() {
  const FormControls form = FillCalcConditions();
  ShowControls(form);
  CheckBox5Click(form.Check[5]);  // also when the switch kept its state: the note follows it
  UpDown1Click(form.UpDown);
}

void TCal_Frm::ApplyEnabling(FormControls& form) { ApplyCalcConditionsEnabling(form); }

std::optional<EditRefusal> TCal_Frm::RefusedValue(const FormControls& form) const {
  return RefusedCalcCondition(form);
}

void TCal_Frm::Store(const FormControls& form) { StoreCalcConditions(form); }

void TCal_Frm::Edit1Change(const QString& text) {
  const std::string capped = CapTitleText(text.toStdString());
  if (capped != text.toStdString()) Edit(1)->setText(QString::fromStdString(capped));
}

void TCal_Frm::CheckBox5Click(bool checked) {
  label38_->setText(checked ? kSurchargeIncluded : kSurchargeExcluded);
}

void TCal_Frm::UpDown1Click(int position) {
  image1_->setText(kSandPileFormulas[SandPilePictureFormula(position)]);
}

}  // namespace selvana
