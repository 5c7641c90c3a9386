// The mapping of a numbered-control dialog onto FormControls, its EditExit and its OK.
#include "dialogs/form_dialog.h"

#include <QCheckBox>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "dialogs/up_down.h"
#include "view/redraw_view.h"

namespace selvana {
namespace {

template <typename T>
T* Named(T* control, const char* kind, int n) {
  control->setObjectName(QString("%1%2").arg(kind).arg(n));
  return control;
}

}  // namespace

FormDialog::FormDialog(int formSlot, const char* caption, QWidget* parent)
    : SettingsForm(formSlot, caption, parent) {
  QFont face(QString::fromUtf8("ＭＳ ゴシック"));
  face.setPixelSize(13);
  setFont(face);
}

QLineEdit* FormDialog::MakeEdit(int n) {
  edits_[n] = Named(new QLineEdit(), "Edit", n);
  edits_[n]->setMaximumWidth(80);
  edits_[n]->setFixedHeight(20);
  return edits_[n];
}

void FormDialog::LayOutSearchForm(std::initializer_list<QWidget*> groups,
                                  std::initializer_list<int> numberEdits) {
  auto* method = new QGridLayout();
  AddEditRows(method, {{0, "検討方法", {1}}});
  edits_[1]->setFocusPolicy(Qt::NoFocus);
  edits_[1]->setReadOnly(true);
  edits_[1]->setMaximumWidth(QWIDGETSIZE_MAX);  // a name, not a number
  QVBoxLayout* form = MakeFormLayout();
  form->addLayout(method);
  for (QWidget* group : groups) form->addWidget(group);
  AddAnswerRow(form);
  AddNumberEdits(numberEdits, 4);
}

QCheckBox* FormDialog::MakeCheckBox(int n, const char* caption) {
  checks_[n] = Named(new QCheckBox(QString::fromUtf8(caption)), "CheckBox", n);
  connect(checks_[n], &QCheckBox::toggled, this, &FormDialog::Refresh);
  return checks_[n];
}

QRadioButton* FormDialog::MakeRadioButton(int n, const char* caption) {
  radios_[n] = Named(new QRadioButton(QString::fromUtf8(caption)), "RadioButton", n);
  connect(radios_[n], &QRadioButton::toggled, this, &FormDialog::Refresh);
  return radios_[n];
}

QPushButton* FormDialog::MakeButton(int n, const char* caption) {
  buttons_[n] = NamedButton(QString("Button%1").arg(n).toUtf8().constData(), caption);
  return buttons_[n];
}

QSpinBox* FormDialog::MakeUpDown(int lo, int hi) {
  upDown_ = new UpDownArrows();
  upDown_->setObjectName("UpDown1");
  upDown_->setRange(lo, hi);
  return upDown_;
}

QGroupBox* FormDialog::MakeRadioGroup(const char* caption, const char* item0, const char* item1) {
  auto* group = new QGroupBox(QString::fromUtf8(caption));
  group->setObjectName("RadioGroup1");
  auto* items = new QVBoxLayout(group);
  for (const char* item : {item0, item1}) {
    auto* button = new QRadioButton(QString::fromUtf8(item));
    radioGroup_[item == item0 ? 0 : 1] = button;
    items->addWidget(button);
  }
  return group;
}

void FormDialog::AddEditRows(QGridLayout* grid, std::initializer_list<EditRow> rows) {
  for (const EditRow& r : rows) {
    int column = r.column;
    grid->addWidget(FormLabel(r.label), r.row, column++);
    for (int n : r.edits) {
      if (n > 0) grid->addWidget(MakeEdit(n), r.row, column++);
    }
    if (r.unit) grid->addWidget(FormLabel(r.unit), r.row, column);
  }
}

void FormDialog::AddRadioButtons(QGridLayout* grid, std::initializer_list<Choice> buttons,
                                 int column) {
  int row = 0;
  for (const Choice& b : buttons)
    grid->addWidget(MakeRadioButton(b.number, b.caption), row++, column);
}

QVBoxLayout* FormDialog::MakeFormLayout() {
  auto* form = new QVBoxLayout(this);
  form->setContentsMargins(6, 6, 6, 6);
  form->setSpacing(2);
  return form;
}

void FormDialog::AddAnswerRow(QVBoxLayout* form) {
  form->addStretch();
  form->addLayout(OkCancelRow(MakeButton(1, "確　　定"), this));
  buttons_[2] = findChild<QPushButton*>("Button2");
  connect(buttons_[1], &QPushButton::clicked, this, &FormDialog::Button1Click);
}

void FormDialog::AddNumberEdits(std::initializer_list<int> edits, int decimals) {
  for (int n : edits) {
    numberEdits_.push_back({n, decimals, TypedKind::Real});
    connect(edits_[n], &QLineEdit::editingFinished, this, &FormDialog::EditExit);
  }
}

void FormDialog::AddIntegerEdits(std::initializer_list<int> edits) {
  for (int n : edits) numberEdits_.push_back({n, -1, TypedKind::Integer});
}

void FormDialog::AddFileTextEdit(int edit, const char* message) {
  fileTextEdits_.emplace_back(edit, message);
}

FormControls FormDialog::ReadControls() const {
  FormControls form;
  form.Shown = shown_;
  form.ShownTexts = shownTexts_;
  for (int n = 0; n < FormControls::kCount; ++n) {
    if (edits_[n]) form.Edit[n] = edits_[n]->text().toStdString();
    if (checks_[n]) form.Check[n] = checks_[n]->isChecked();
    if (radios_[n]) form.Radio[n] = radios_[n]->isChecked();
  }
  if (upDown_) form.UpDown = upDown_->value();
  if (radioGroup_[1]) form.RadioGroup = radioGroup_[1]->isChecked() ? 1 : 0;
  return form;
}

void FormDialog::ShowControls(const FormControls& form) {
  shown_ = form.Shown;
  shownTexts_ = form.ShownTexts;
  for (int n = 0; n < FormControls::kCount; ++n) {
    if (edits_[n]) edits_[n]->setText(QString::fromStdString(form.Edit[n]));
    if (checks_[n]) checks_[n]->setChecked(form.Check[n]);
    // A checked radio button unchecks the others of its group by itself.
    if (radios_[n] && form.Radio[n]) radios_[n]->setChecked(true);
  }
  if (upDown_) upDown_->setValue(form.UpDown);
  if (radioGroup_[1]) radioGroup_[form.RadioGroup != 0 ? 1 : 0]->setChecked(true);
  Refresh();
}

void FormDialog::Refresh() {
  FormControls form = ReadControls();
  ApplyEnabling(form);
  for (int n = 0; n < FormControls::kCount; ++n) {
    if (edits_[n]) edits_[n]->setEnabled(form.EditEnabled[n]);
    if (checks_[n]) checks_[n]->setEnabled(form.CheckEnabled[n]);
    if (buttons_[n]) buttons_[n]->setEnabled(form.ButtonEnabled[n]);
  }
}

void FormDialog::EditExit() {
  for (const NumberEdit& e : numberEdits_) {
    if (e.Decimals >= 0) FormatNumberEdit(edits_[e.Number], e.Decimals);
  }
}

void FormDialog::Button1Click() {
  for (const auto& [n, message] : fileTextEdits_) {
    if (!EditTextFitsFile(edits_[n], shownTexts_[n], message)) return;
  }
  for (const NumberEdit& e : numberEdits_) {
    if (!EnabledEditHoldsNumber(edits_[e.Number], e.Kind)) return;
  }
  const FormControls form = ReadControls();
  if (const std::optional<EditRefusal> refusal = RefusedValue(form)) {
    RefuseEdit(edits_[refusal->edit], refusal->message);
    return;
  }
  Store(form);
  RedrawView(kRedrawModel);
  accept();
}

QLabel* FormLabel(const char* text) { return new QLabel(QString::fromUtf8(text)); }

void AddRedNotes(QGridLayout* grid, int firstRow, std::initializer_list<const char*> notes,
                 int column, int span) {
  int row = firstRow;
  for (const char* note : notes) grid->addWidget(RedNote(note), row++, column, 1, span);
}

QGroupBox* FormGroup(const char* caption, QGridLayout*& grid) {
  auto* group = new QGroupBox(QString::fromUtf8(caption));
  grid = new QGridLayout(group);
  grid->setContentsMargins(6, 2, 6, 2);  // tight, as the fixed forms placed their controls
  grid->setSpacing(2);
  return group;
}

}  // namespace selvana
