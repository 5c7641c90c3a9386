// The block constants dialog: three groups of controls whose enabling follows the kind of
// block; the rules and the storing live in forms/block_constants_form.h.
#include "dialogs/BlockSet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "dialogs/dialog_controls.h"
#include "dialogs/form_dialog.h"
#include "mainwin/form_sizes.h"

namespace selvana {

TBlk_Frm* Blk_Frm = nullptr;

namespace {

// Label, unit and note of each edit.
struct EditRow {
  const char* Label;
  const char* Unit;
  const char* Note;
};

constexpr EditRow kSoilRows[] = {
    {"単位体積重量　Ｗ", "kＮ/ｍ3", "※　浮力を考慮しない重量(湿潤、飽和重量)"},
    {"有効単体重量　Ｗ'", "kＮ/ｍ3", "※　浮力を考慮した重量(水中重量)"},
    {"粘着力の勾配　Ｋ", "", "※　粘着力Ｃ＝Ｋ・Ｚ＋Ｃ0で表される"},
    {"基準粘着力　　Ｃ0", "", "Ｚは粘着力基準高を0.00として計算する"},
    {"内部摩擦角　　φ", "度", ""},
};
constexpr EditRow kPileRows[] = {
    {"砂杭置換率　　Ａs", "", ""},
    {"応力分担比　　ｎ", "", ""},
    {"単位体積重量　Ｗs", "kＮ/ｍ3", ""},
    {"内部摩擦角　　φs", "度", ""},
};

QLabel* Text(const char* utf8) { return new QLabel(QString::fromUtf8(utf8)); }

QCheckBox* NamedCheckBox(const char* name, const char* utf8Text) {
  auto* box = new QCheckBox(QString::fromUtf8(utf8Text));
  box->setObjectName(name);
  return box;
}

// One row per edit: label, edit, unit, note. Returns the first label (for Label29's caption).
QLabel* AddEditRows(QGridLayout* grid, const EditRow* rows, int count, QLineEdit* const* edits) {
  QLabel* last = nullptr;
  for (int r = 0; r < count; ++r) {
    last = Text(rows[r].Label);
    grid->addWidget(last, r, 0);
    grid->addWidget(edits[r], r, 1);
    grid->addWidget(Text(rows[r].Unit), r, 2);
    grid->addWidget(Text(rows[r].Note), r, 3);
  }
  return last;
}

}  // namespace

TBlk_Frm::TBlk_Frm(QWidget* parent) : SettingsForm(kSlotBlk, "ブロック構成項目", parent) {
  BuildControls();
  connect(checks_[0], &QCheckBox::clicked, this, &TBlk_Frm::CheckBox1Click);
  connect(checks_[1], &QCheckBox::clicked, this, &TBlk_Frm::CheckBoxClick);
  connect(checks_[2], &QCheckBox::clicked, this, &TBlk_Frm::CheckBox3Click);
  connect(checks_[3], &QCheckBox::clicked, this, &TBlk_Frm::CheckBox4Click);
  for (QLineEdit* edit : edits_) {
    connect(edit, &QLineEdit::editingFinished, this, &TBlk_Frm::EditExit);
  }
  connect(button1_, &QPushButton::clicked, this, &TBlk_Frm::Button1Click);
}

void TBlk_Frm::BuildControls() {
  for (int i = 0; i < 9; ++i) edits_[i] = NamedEdit(QString("Edit%1").arg(i + 1).toUtf8());
  checks_[0] = NamedCheckBox("CheckBox1", "水ブロック");
  checks_[1] = NamedCheckBox("CheckBox2", "砂杭がある");
  checks_[2] = NamedCheckBox("CheckBox3", "土ブロック");
  checks_[3] = NamedCheckBox("CheckBox4", "構造物ブロック");
  radio1_ =
      new QRadioButton(QString::fromUtf8("水の影響を水圧で考慮する（すべり円を水中は通さない。）"));
  radio1_->setObjectName("RadioButton1");
  radio1_->setChecked(true);
  radio2_ =
      new QRadioButton(QString::fromUtf8("水の影響を重量で考慮する（すべり円を水中も通す。）"));
  radio2_->setObjectName("RadioButton2");
  combo_ = new QComboBox();
  combo_->setObjectName("ComboBox1");
  for (const char* item : {"海底面より浅", "粘性土", "砂質土"})
    combo_->addItem(QString::fromUtf8(item));
  label19_ = Text("部分係数区分");
  label19_->setObjectName("Label19");
  combo_->setVisible(false);
  label19_->setVisible(false);

  // Tight groups, as in the other settings dialogs, so the dialog fits its 600 x 500 size.
  QGridLayout* kinds = nullptr;
  QGroupBox* kindGroup = FormGroup("ブロックの種類", kinds);
  kinds->addWidget(checks_[0], 0, 0);
  kinds->addWidget(Text("※　通常の土ブロックではなく、水ブロックの時にチェックする"), 0, 1);
  kinds->addWidget(radio1_, 1, 1);
  kinds->addWidget(radio2_, 2, 1);
  kinds->addWidget(checks_[2], 3, 0);
  kinds->addWidget(label19_, 3, 1);
  kinds->addWidget(combo_, 3, 2);
  kinds->addWidget(checks_[3], 4, 0);
  kinds->addWidget(Text("※　すべり面は構造物ブロックを横切らない"), 4, 1);

  QGridLayout* soil = nullptr;
  QGroupBox* soilGroup = FormGroup("土質", soil);
  soil->setHorizontalSpacing(6);  // units and notes stand apart
  AddEditRows(soil, kSoilRows, 5, edits_.data());
  QGridLayout* pile = nullptr;
  QGroupBox* pileGroup = FormGroup("砂杭", pile);
  pile->addWidget(checks_[1], 0, 0);
  pile->addWidget(Text("※　砂杭がある場合にチェックする(ビショップ法では不可)"), 0, 1, 1, 3);
  auto* pileRows = new QGridLayout();
  pileRows->setSpacing(pile->spacing());
  label29_ = AddEditRows(pileRows, kPileRows, 4, edits_.data() + 5);
  label29_->setObjectName("Label29");
  pile->addLayout(pileRows, 1, 0, 1, 4);

  button1_ = NamedButton("Button1", "確　　定");
  auto* form = new QVBoxLayout(this);
  form->addWidget(kindGroup);
  form->addWidget(soilGroup);
  form->addWidget(pileGroup);
  form->addStretch();
  form->addLayout(OkCancelRow(button1_, this));
}

void TBlk_Frm::FormShow() {
  const BlockRecord block = SelectedBlock();
  label29_->setText(QString::fromUtf8(PileFrictionLabel()));
  shown_ = ShowBlockConstants(block);
  for (int i = 0; i < 9; ++i) edits_[i]->setText(QString::fromStdString(shown_[i].Text));
  combo_->setCurrentIndex(FactorItemOf(block.FactorClass));
  const BlockChoice choice = ChoiceOfKind(block.Kind);
  CheckOnly(choice == BlockChoice::Water  ? checks_[0]
            : choice == BlockChoice::Soil ? checks_[2]
                                          : checks_[3]);
  if (block.Kind == kBlockPressureWater) radio1_->setChecked(true);
  if (block.Kind == kBlockWeightWater) radio2_->setChecked(true);
  ApplyEnabling(BlockEnablingFor(choice, block.SandPile == 1));
}

void TBlk_Frm::CheckOnly(QCheckBox* on) {
  for (int i : {0, 2, 3}) checks_[i]->setChecked(checks_[i] == on);
}

BlockChoice TBlk_Frm::Choice() const {
  if (checks_[0]->isChecked()) return BlockChoice::Water;
  return checks_[2]->isChecked() ? BlockChoice::Soil : BlockChoice::Structure;
}

void TBlk_Frm::ApplyEnabling(const BlockEnabling& e) {
  radio1_->setEnabled(e.Radios);
  radio2_->setEnabled(e.Radios);
  checks_[1]->setEnabled(e.SandPileBox);
  checks_[1]->setChecked(e.SandPileOn);
  edits_[0]->setEnabled(true);
  edits_[1]->setEnabled(e.Edit2);
  for (int i = 2; i < 5; ++i) edits_[i]->setEnabled(e.Edits3to5);
  for (int i = 5; i < 9; ++i) edits_[i]->setEnabled(e.SandEdits);
  label19_->setEnabled(e.FactorClass);
  combo_->setEnabled(e.FactorClass);
}

void TBlk_Frm::CheckBox1Click() {
  CheckOnly(checks_[0]->isChecked() ? checks_[0] : checks_[2]);
  CheckBoxClick();
}

void TBlk_Frm::CheckBox3Click() {
  if (!checks_[0]->isChecked() || checks_[2]->isChecked()) {
    CheckOnly(checks_[2]->isChecked() ? checks_[2] : checks_[3]);
  }
  CheckBoxClick();
}

void TBlk_Frm::CheckBox4Click() {
  if (!checks_[0]->isChecked() || checks_[3]->isChecked()) {
    CheckOnly(checks_[3]->isChecked() ? checks_[3] : checks_[2]);
  }
  CheckBoxClick();
}

void TBlk_Frm::CheckBoxClick() {
  ApplyEnabling(BlockEnablingFor(Choice(), checks_[1]->isChecked()));
}

void TBlk_Frm::EditExit() {
  for (QLineEdit* edit : edits_) FormatNumberEdit(edit, 4);
}

void TBlk_Frm::Button1Click() {
  if (!EnabledEditsHoldNumbers(edits_)) return;
  BlockConstantsForm form;
  form.Water = checks_[0]->isChecked();
  form.PressureWater = radio1_->isChecked();
  form.Soil = checks_[2]->isChecked();
  form.FactorItem = combo_->currentIndex();
  form.SandPile = checks_[1]->isChecked();
  for (int i = 0; i < 9; ++i) form.Edits[i] = edits_[i]->text().toStdString();
  form.Shown = shown_;
  if (const std::optional<EditRefusal> refusal = RefusedBlockConstant(form)) {
    RefuseEdit(Edit(refusal->edit), refusal->message);
    return;
  }
  if (StoreBlockConstants(form)) accept();
}

}  // namespace selvana
