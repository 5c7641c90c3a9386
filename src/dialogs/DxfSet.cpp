// The DXF terrain import settings dialog: its controls, the preview, the reset and the answer it
// gives the import.
#include "dialogs/DxfSet.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/dialog_controls.h"
#include "dialogs/form_dialog.h"
#include "mainwin/form_sizes.h"
#include "platform/number_format.h"
#include "platform/number_parse.h"

namespace selvana {

TDxf* Dxf = nullptr;

namespace {

// The notes under the counts: the counts are those before merging, and data beyond the
// program's capacity is dropped.
constexpr const char* kNotes[] = {
    "点や線の重複を削除する前のポイント数とライン数です。",
    "重複点や重複線を削除した後のポイント数やライン数が",
    "斜面安定検討のデータ容量を超えた場合は無視されます。",
    "（データ容量：約1000点、約1000本）",
};

}  // namespace

TDxf::TDxf(QWidget* parent) : SettingsForm(kSlotDxf, "地形DXFファイル読み取り設定", parent) {
  BuildControls();
  connect(button1_, &QPushButton::clicked, this, &TDxf::Button1Click);
  connect(button2_, &QPushButton::clicked, this, &TDxf::Button2Click);
  connect(button3_, &QPushButton::clicked, this, &QDialog::reject);
  connect(button4_, &QPushButton::clicked, this, &TDxf::Button4Click);
}

void TDxf::BuildControls() {
  for (int i = 0; i < 10; ++i) {
    edits_[i] = new QLineEdit();
    edits_[i]->setObjectName(QString("Edit%1").arg(i + 1));
  }
  // Places a label and Edit<number> into a grid cell pair; a label in a column wider than
  // itself may stand right, next to its edit.
  auto field = [this](QGridLayout* grid, int row, int column, const char* label, int number,
                      Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    grid->addWidget(new QLabel(QString::fromUtf8(label)), row, column, align);
    grid->addWidget(Edit(number), row, column + 1);
  };

  auto* panel1 = new QFrame();  // what the file holds: shown only
  panel1->setFrameShape(QFrame::StyledPanel);
  auto* found = new QGridLayout(panel1);
  found->setVerticalSpacing(2);  // tight, so the dialog fits its 390 x 355 size
  found->addWidget(new QLabel("地形ＤＸＦファイル名"), 0, 0);
  found->addWidget(Edit(1), 0, 1, 1, 3);
  field(found, 1, 0, "読み取りポイント数", 2);
  field(found, 1, 2, "読み取りライン数", 3);
  for (int i = 0; i < 4; ++i) found->addWidget(RedNote(kNotes[i]), 2 + i, 0, 1, 4);
  ShowOnly(panel1);

  QGridLayout* rangeBox = nullptr;
  QGroupBox* rangeGroup = FormGroup("データ範囲", rangeBox);
  auto* panel2 = new QFrame();  // the range: shown only
  auto* range = new QGridLayout(panel2);
  range->setContentsMargins(0, 0, 0, 0);
  range->setVerticalSpacing(2);
  field(range, 0, 0, "Ｘｍａｘ", 4);
  field(range, 0, 2, "Ｘｍｉｎ", 5);
  field(range, 1, 0, "Ｙｍａｘ", 6);
  field(range, 1, 2, "Ｙｍｉｎ", 7);
  ShowOnly(panel2);
  rangeBox->addWidget(panel2);

  QGridLayout* parameters = nullptr;
  QGroupBox* parameterGroup = FormGroup("データ読み取りパラメータ", parameters);
  parameters->setHorizontalSpacing(6);
  field(parameters, 0, 0, "原点移動　Ｘ", 8);
  field(parameters, 0, 2, "Ｙ", 9, Qt::AlignRight | Qt::AlignVCenter);
  field(parameters, 1, 0, "倍率", 10);
  button1_ = NamedButton("Button1", "試　　行");
  button4_ = NamedButton("Button4", "元に戻す");
  parameters->addWidget(button1_, 1, 2);
  parameters->addWidget(button4_, 1, 3);

  button2_ = NamedButton("Button2", "読み込み");
  button3_ = NamedButton("Button3", "取り消し");
  auto* answers = new QHBoxLayout();
  answers->addStretch();
  answers->addWidget(button2_);
  answers->addWidget(button3_);

  auto* form = new QVBoxLayout(this);
  form->addWidget(panel1);
  form->addWidget(rangeGroup);
  form->addWidget(parameterGroup);
  form->addStretch();
  form->addLayout(answers);
}

bool TDxf::Ask(DxfImportSettings& settings) {
  const std::array<std::string, 10> texts = DxfSettingsTexts(settings);
  for (int i = 0; i < 10; ++i) edits_[i]->setText(QString::fromStdString(texts[i]));
  found_ = {settings.XMax, settings.XMin, settings.YMax, settings.YMin};
  if (exec() != QDialog::Accepted) return false;
  settings.ShiftX = applied_.ShiftX;
  settings.ShiftY = applied_.ShiftY;
  settings.Magnification = applied_.Magnification;
  return true;
}

void TDxf::FormShow() {
  for (int i = 0; i < 4; ++i) raw_[i] = ParseDouble(Edit(4 + i)->text().toStdString());
}

std::optional<DxfTransform> TDxf::ReadParameters() {
  std::array<double, 3> values{};
  for (int i = 0; i < 3; ++i) {
    const std::optional<double> value = EditNumber(Edit(8 + i));
    if (!value) return std::nullopt;
    values[i] = *value;
  }
  return DxfTransform{values[0], values[1], values[2]};
}

void TDxf::ShowRange(const DxfRange& range) {
  for (int i = 0; i < 4; ++i) {
    Edit(4 + i)->setText(QString::fromStdString(FormatDxfValue(range[i])));
  }
}

bool TDxf::PlacesFoundRange(const DxfTransform& transform) {
  const std::optional<DxfParameter> outside = DxfTransformLeavesRange(found_, transform);
  return !outside || Refuse(*outside, kDxfOverflowMessage, kDxfShiftOverflowMessage);
}

bool TDxf::Refuse(DxfParameter parameter, const char* magnificationMessage,
                  const char* shiftMessage) {
  QLineEdit* edit = Edit(8 + static_cast<int>(parameter));  // Edit8 to Edit10 in parameter order
  const char* message =
      parameter == DxfParameter::Magnification ? magnificationMessage : shiftMessage;
  return RefuseEdit(edit, StrFormat(message, edit->text().toStdString().c_str()));
}

void TDxf::Button1Click() {
  const std::optional<DxfTransform> transform = ReadParameters();
  if (!transform || !PlacesFoundRange(*transform)) return;
  applied_ = *transform;
  ShowRange(PreviewDxfRange(raw_, applied_));
}

void TDxf::Button2Click() {
  const std::optional<DxfTransform> transform = ReadParameters();
  if (!transform || !PlacesFoundRange(*transform)) return;
  if (const std::optional<DxfParameter> cause = DxfTransformCollapses(found_, *transform)) {
    Refuse(*cause, kDxfCollapseMessage, kDxfShiftCollapseMessage);
    return;
  }
  applied_ = *transform;
  accept();
}

void TDxf::Button4Click() {
  Edit(8)->setText("0.000");
  Edit(9)->setText("0.000");
  Edit(10)->setText("1.000");
  ShowRange(raw_);
}

}  // namespace selvana
