// The sheet-pile settings dialog.
#include "dialogs/YaitaJkn.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QVBoxLayout>

#include "dialogs/dialog_controls.h"
#include "forms/pile_factor_form.h"
#include "forms/pile_factor_imports.h"
#include "mainwin/form_sizes.h"
#include "view/redraw_view.h"

namespace selvana {

TYT_Frm* YT_Frm = nullptr;

namespace {

constexpr const char* kModeCaptions[] = {"矢板を無視する", "矢板を横切らない",
                                         "矢板の受動土圧を考慮", "矢板のせん断耐力を考慮"};
// Edit1..6 with their captions; Edit1 stands in a group of its own.
constexpr const char* kEditCaptions[] = {"矢板位置Ｘ座標値 (m)", "矢板天端高 (m)",
                                         "矢板根入れ高 (m)",     "せん断許容応力度 (N/cm2)",
                                         "矢板断面積 (cm2/m)",   "lm1 (m)"};
constexpr const char* kPressureHelp[] = {"矢板に掛かる受動土圧を上から順番",
                                         "に土圧強度で指定してください　　　→"};

// Narrow margins and spacing inside the dialog's groups.
void Tighten(QLayout* layout) {
  layout->setContentsMargins(6, 2, 6, 4);
  layout->setSpacing(2);
}

// The number an edit holds (the value shown while its text is untouched), or the model's value
// kept when it holds none.
double EditValue(const QLineEdit* edit, const ShownNumber& shown, double kept) {
  return ShownOrTypedNumberOr(edit->text().toStdString(), shown, kept);
}

}  // namespace

TYT_Frm::TYT_Frm(QWidget* parent)
    : TableForm(kSlotYT, "矢板の設定", CoordinateGrid(kPileGridRows, "標高 (m)", "土圧強度"),
                parent) {
  BuildControls();
  connect(button3_, &QPushButton::clicked, this, &TYT_Frm::Button3Click);
  // The view shows the model while this grid is left or the window resized: nothing of this
  // dialog is drawn before OK.
  connect(StringGrid1(), &StringGrid::Exited, this, [] { RedrawView(kRedrawModel); });
}

QGroupBox* TYT_Frm::ModeGroup() {
  auto* modes = new QGroupBox("矢板の取り扱い");
  auto* column = new QVBoxLayout(modes);
  Tighten(column);
  for (int i = 0; i < 4; ++i) {
    radios_[i] = new QRadioButton(QString::fromUtf8(kModeCaptions[i]));
    radios_[i]->setObjectName(QString("RadioButton%1").arg(i + 1));
    column->addWidget(radios_[i]);
  }
  return modes;
}

QGroupBox* TYT_Frm::EditGroup(const char* caption, int first, int last, bool captionsAbove) {
  auto* group = new QGroupBox(QString::fromUtf8(caption));
  auto* grid = new QGridLayout(group);
  Tighten(grid);
  grid->setHorizontalSpacing(6);
  for (int i = first; i <= last; ++i) {
    edits_[i] = new QLineEdit();
    edits_[i]->setObjectName(QString("Edit%1").arg(i + 1));
    const int row = (i - first) * (captionsAbove ? 2 : 1);
    grid->addWidget(new QLabel(QString::fromUtf8(kEditCaptions[i])), row, 0);
    grid->addWidget(edits_[i], captionsAbove ? row + 1 : row, captionsAbove ? 0 : 1);
  }
  return group;
}

// The side column is packed so that the whole dialog fits its saved default size (615 x 428):
// the pile's position stands beside the modes, the key help in two columns beside the red
// note, and the import, OK and cancel buttons share one row.
void TYT_Frm::BuildControls() {
  Side()->setSpacing(4);
  auto* top = new QHBoxLayout();
  top->addWidget(ModeGroup());
  auto* position = new QVBoxLayout();
  position->addWidget(EditGroup("矢板の位置", 0, 0, true));
  position->addStretch();
  top->addLayout(position);
  Side()->addLayout(top);
  Side()->addWidget(EditGroup("矢板の諸元", 1, 5, false));
  auto* help = new QHBoxLayout();
  QGridLayout* keys = KeyHelp({"Esc   :座標を削除"}, 2);
  keys->setVerticalSpacing(0);
  keys->setHorizontalSpacing(8);
  help->addLayout(keys);
  help->addWidget(Panel(kHalfRowNote, true), 0, Qt::AlignTop);
  Side()->addLayout(help);
  auto* pressure = new QVBoxLayout();
  pressure->setSpacing(0);
  for (const char* line : kPressureHelp) pressure->addWidget(new QLabel(QString::fromUtf8(line)));
  Side()->addLayout(pressure);
  button3_ = NamedButton("Button3", "インポート");
  ButtonsInOneRow({button3_});
  // The pressure help ends in an arrow to the grid: the grid stands right of the controls.
  static_cast<QBoxLayout*>(layout())->setDirection(QBoxLayout::RightToLeft);
}

void TYT_Frm::FormShow() {
  pile_ = SheetPileSettings;
  draw_ = DrawSettings;
  OkButton()->setFocus();
  ShowWorkingCopy();
}

void TYT_Frm::ShowEdit(int index, double value) {
  shown_[index] = ShowNumber(value, "%5.4f");
  edits_[index]->setText(QString::fromStdString(shown_[index].Text));
}

void TYT_Frm::ShowFileValues() {
  FillPileRows(*StringGrid1(), pile_);
  ShowEdit(1, pile_.TopElevation);
  ShowEdit(2, pile_.EmbedmentElevation);
  ShowEdit(4, pile_.SectionArea);
  ShowEdit(5, pile_.Lm1);
}

void TYT_Frm::ShowWorkingCopy() {
  ShowFileValues();
  const int mode = pile_.Mode >= 0 && pile_.Mode <= 2 ? pile_.Mode : 3;
  radios_[mode]->setChecked(true);
  ShowEdit(0, pile_.PileX);
  ShowEdit(3, pile_.AllowableShear);
}

void TYT_Frm::OkClick() {
  SheetPileEntries entries;
  for (int i = 0; i < 4; ++i) {
    if (radios_[i]->isChecked()) entries.Mode = i;
  }
  const SheetPileSettingsRecord& kept = SheetPileSettings;
  entries.PileX = EditValue(edits_[0], shown_[0], kept.PileX);
  entries.TopElevation = EditValue(edits_[1], shown_[1], kept.TopElevation);
  entries.EmbedmentElevation = EditValue(edits_[2], shown_[2], kept.EmbedmentElevation);
  entries.AllowableShear = EditValue(edits_[3], shown_[3], kept.AllowableShear);
  entries.SectionArea = EditValue(edits_[4], shown_[4], kept.SectionArea);
  entries.Lm1 = EditValue(edits_[5], shown_[5], kept.Lm1);
  std::array<std::string, kPileEditCount> texts;
  for (int i = 0; i < kPileEditCount; ++i) texts[i] = edits_[i]->text().toStdString();
  if (const std::optional<EditRefusal> refusal = RefusedPileEntries(entries, texts)) {
    RefuseEdit(edits_[refusal->edit - 1], refusal->message);
    return;
  }
  if (RefuseCell(RefusedPileCell(*StringGrid1()))) return;
  StoreSheetPile(entries, *StringGrid1(), draw_);
  RedrawView(kRedrawModel);
  accept();
}

void TYT_Frm::Button3Click() {
  if (ImportSheetPileFile(Files(), pile_, draw_)) ShowFileValues();
}

void TYT_Frm::resizeEvent(QResizeEvent* event) {
  TableForm::resizeEvent(event);
  if (isVisible()) RedrawView(kRedrawModel);
}

}  // namespace selvana
