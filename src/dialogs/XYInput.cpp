// The point input dialog: three edits and the two buttons; what it shows and stores comes from
// the editor's point input (mainwin/point_input.h).
#include "dialogs/XYInput.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/dialog_controls.h"
#include "mainwin/form_sizes.h"
#include "mainwin/point_input.h"

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
  auto* fields = new QGridLayout();
  fields->addWidget(new QLabel("No"), 0, 0);
  fields->addWidget(edit1_, 0, 1);
  fields->addWidget(new QLabel(QString::fromUtf8("Ｘ(ｍ)")), 0, 2);
  fields->addWidget(edit2_, 0, 3);
  fields->addWidget(new QLabel(QString::fromUtf8("Ｙ(ｍ)")), 0, 4);
  fields->addWidget(edit3_, 0, 5);
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
  const PointInputTexts texts = PointInputFill();
  SetText(edit1_, texts.No);
  SetText(edit2_, texts.X);
  SetText(edit3_, texts.Y);
  edit2_->setFocus();
}

void TXY_Frm::EditExit() {
  SetText(edit1_, FormatPointNumber(TextOf(edit1_)));
  SetText(edit2_, FormatCoordinate(TextOf(edit2_)));
  SetText(edit3_, FormatCoordinate(TextOf(edit3_)));
}

void TXY_Frm::Button1Click() {
  if (StorePointInput({TextOf(edit1_), TextOf(edit2_), TextOf(edit3_)})) accept();
}

}  // namespace selvana
