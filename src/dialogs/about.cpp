// The version box: its panel and the version text.
#include "dialogs/about.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "forms/version_text.h"
#include "mainwin/form_sizes.h"
#include "mainwin/qt/program_icon.h"
#include "platform/program_folders.h"

namespace selvana {

TAboutBox* AboutBox = nullptr;

namespace {

QLabel* NamedLabel(const char* name, const char* text) {
  auto* label = new QLabel(QString::fromUtf8(text));
  label->setObjectName(name);
  return label;
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : SettingsForm(kSlotAbout, "ﾊﾞｰｼﾞｮﾝ情報", parent) {
  auto* panel1 = new QFrame();
  panel1->setObjectName("Panel1");
  panel1->setFrameShape(QFrame::StyledPanel);
  auto* grid = new QGridLayout(panel1);
  QLabel* icon = NamedLabel("ProgramIcon", "");
  icon->setPixmap(ProgramIcon().pixmap(32, 32));
  QLabel* product = NamedLabel("ProductName", "Selvana");
  QFont large = product->font();
  large.setPixelSize(2 * font().pixelSize());
  product->setFont(large);
  version_ = NamedLabel("Version", kVersionFallback);
  grid->addWidget(icon, 0, 0, 2, 1);
  grid->addWidget(product, 0, 1);
  grid->addWidget(NamedLabel("Label1", "for Windows"), 0, 2);  // as the main window's title
  grid->addWidget(version_, 1, 1, 1, 2);
  grid->addWidget(NamedLabel("Label2", "斜面安定計算プログラム"), 2, 1, 1, 2);
  grid->addWidget(NamedLabel("Label3", "Copyright (C) Selvana team"), 3, 1, 1, 2);

  auto* okButton = new QPushButton(QString::fromUtf8("Ｏ　Ｋ"));
  okButton->setObjectName("OKButton");
  okButton->setDefault(true);
  connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
  auto* answers = new QHBoxLayout();
  answers->addStretch();
  answers->addWidget(okButton);
  answers->addStretch();

  auto* form = new QVBoxLayout(this);
  form->addWidget(panel1);
  form->addLayout(answers);
}

void TAboutBox::FormShow() { FormActivate(); }

void TAboutBox::FormActivate() {
  version_->setText(QString::fromStdString(ReadVersionText(ProgramDir)));
}

void TAboutBox::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
  SettingsForm::changeEvent(event);
}

}  // namespace selvana
