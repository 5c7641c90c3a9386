// The parallel-line distance dialog: one edit between two labels and the two buttons.
#include "dialogs/PLine.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/dialog_controls.h"
#include "forms/parallel_distance_form.h"
#include "mainwin/form_sizes.h"

namespace selvana {

TPLine_Frm* PLine_Frm = nullptr;

namespace {

QLabel* NamedLabel(const char* name, const char* utf8Text) {
  auto* label = new QLabel(QString::fromUtf8(utf8Text));
  label->setObjectName(name);
  return label;
}

}  // namespace

TPLine_Frm::TPLine_Frm(QWidget* parent) : SettingsForm(kSlotPLine, "平行線の離れ", parent) {
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  edit1_ = NamedEdit("Edit1");
  edit1_->setText("999.999");
  button1_ = NamedButton("Button1", "Ｏ　　　　Ｋ");
  button2_ = NamedButton("Button2", "ＣＡＮＣＥＬ");
  auto* distance = new QHBoxLayout();
  distance->addWidget(edit1_);
  distance->addWidget(NamedLabel("Label2", "ｍ"));
  distance->addWidget(NamedLabel("Label3", "を指定してください"));
  auto* buttons = new QHBoxLayout();
  buttons->addStretch();
  buttons->addWidget(button1_);
  buttons->addWidget(button2_);
  auto* form = new QVBoxLayout(this);
  form->addWidget(NamedLabel("Label1", "追加する平行線の離れ距離を"));
  form->addLayout(distance);
  form->addLayout(buttons);
  connect(edit1_, &QLineEdit::editingFinished, this, &TPLine_Frm::Edit1Exit);
  connect(button1_, &QPushButton::clicked, this, &TPLine_Frm::Button1Click);
  connect(button2_, &QPushButton::clicked, this, &QDialog::reject);
}

void TPLine_Frm::FormShow() {
  shown_ = ShowParallelDistance();
  edit1_->setText(QString::fromStdString(shown_.Text));
  edit1_->setFocus();
}

void TPLine_Frm::Edit1Exit() {
  edit1_->setText(QString::fromStdString(FormatParallelDistance(edit1_->text().toStdString())));
}

void TPLine_Frm::Button1Click() {
  if (!EditHoldsNumber(edit1_)) return;
  if (const auto refusal = RefusedParallelDistance(edit1_->text().toStdString(), shown_)) {
    RefuseEdit(edit1_, refusal->message);
    return;
  }
  StoreParallelDistance(edit1_->text().toStdString(), shown_);
  accept();
}

}  // namespace selvana
