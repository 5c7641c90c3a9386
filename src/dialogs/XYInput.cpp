// The point input dialog: three edits and the two buttons; what it shows and stores comes from
// the editor's point input (forms/point_input_form.h).
#include "dialogs/XYInput.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/dialog_controls.h"
#include "forms/point_input_form.h"
#include "mainwin/form_sizes.h"

namespace selvana {

TXY_Frm* XY_Frm = nullptr;

namespace {

std::string TextOf(const QLineEdit* edit) { return edit->text().toStdString(); }
void SetText(QLineEdit* edit, const std::string& text) {
  edit->setText(QString::fromStdString(text));
}

}  // namespace

TXY_Frm::TXY_Frm(QWidget* parent) : SettingsForm(kSlotXY, "座標入力", parent) {
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  edit1_ = NamedEdit("Edit1");
  edit1_->setEnabled(false);
  edit2_ = NamedEdit("Edit2");
  edit3_ = NamedEdit("Edit3");
  // Captions above the edits, so that at the window's small default width each coordinate edit
  // still shows a whole "%10.4f" number; the number edit is kept narrow.
  auto* fields = new QGridLayout();
  const char* captions[] = {"No", "Ｘ(ｍ)", "Ｙ(ｍ)"};
  QLineEdit* edits[] = {edit1_, edit2_, edit3_};
  for (int column = 0; column < 3; ++column) {
    fields->addWidget(new QLabel(QString::fromUtf8(captions[column])), 0, column);
    fields->addWidget(edits[column], 1, column);
    fields->setColumnStretch(column, column == 0 ? 0 : 1);
  }
  edit1_->setMaximumWidth(edit1_->fontMetrics().horizontalAdvance("00000") + 12);
  button1_ = NamedButton("Button1", "確　　定");
  auto* form = new QVBoxLayout(this);
  form->addLayout(fields);
  form->addLayout(OkCancelRow(button1_, this));
  for (QLineEdit* edit : {edit1_, edit2_, edit3_}) {
    connect(edit, &QLineEdit::editingFinished, this, &TXY_Frm::EditExit);
  }
  connect(button1_, &QPushButton::clicked, this, &TXY_Frm::Button1Click);
}

void TXY_Frm::FormShow() {
  shown_ = PointInputFill();
  SetText(edit1_, shown_.No);
  SetText(edit2_, shown_.X);
  SetText(edit3_, shown_.Y);
  edit2_->setFocus();
}

void TXY_Frm::EditExit() {
  SetText(edit1_, FormatPointNumber(TextOf(edit1_)));
  SetText(edit2_, FormatCoordinate(TextOf(edit2_)));
  SetText(edit3_, FormatCoordinate(TextOf(edit3_)));
}

void TXY_Frm::Button1Click() {
  QLineEdit* const edits[] = {edit1_, edit2_, edit3_};
  if (!EnabledEditsHoldNumbers(edits)) return;
  PointInputTexts typed = shown_;
  typed.No = TextOf(edit1_);
  typed.X = TextOf(edit2_);
  typed.Y = TextOf(edit3_);
  if (const std::optional<EditRefusal> refusal = RefusedPointCoordinate(typed)) {
    RefuseEdit(refusal->edit == 2 ? edit2_ : edit3_, refusal->message);
    return;
  }
  if (StorePointInput(typed)) accept();
}

}  // namespace selvana
