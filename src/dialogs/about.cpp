// The version box: its panel, the version text and the link.
#include "dialogs/about.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "forms/version_text.h"
#include "mainwin/form_sizes.h"
#include "mainwin/qt/program_icon.h"
#include "platform/program_folders.h"

namespace selvana {

TAboutBox* AboutBox = nullptr;

namespace {

constexpr char kMakerPage[] = "https://selvana.example.org/";

QLabel* NamedLabel(const char* name, const char* text) {
  auto* label = new QLabel(QString::fromUtf8(text));
  label->setObjectName(name);
  return label;
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent)
    : SettingsForm(kSlotAbout, "ﾊﾞｰｼﾞｮﾝ情報", parent),
      OpenUrl([](const QUrl& url) { QDesktopServices::openUrl(url); }) {
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
  label4_ = NamedLabel("Label4", kMakerPage);
  label4_->setCursor(Qt::PointingHandCursor);
  label4_->installEventFilter(this);
  grid->addWidget(icon, 0, 0, 2, 1);
  grid->addWidget(product, 0, 1);
  grid->addWidget(NamedLabel("Label1", "for Windows"), 0, 2);  // as the main window's title
  grid->addWidget(version_, 1, 1, 1, 2);
  grid->addWidget(NamedLabel("Label2", "斜面安定計算プログラム"), 2, 1, 1, 2);
  grid->addWidget(NamedLabel("Label3", "Copyright (C) Selvana team"), 3, 1, 1, 2);
  grid->addWidget(label4_, 4, 1, 1, 2);

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
  SetLinkColour(Qt::blue);
}

void TAboutBox::SetLinkColour(Qt::GlobalColor colour) {
  QPalette palette = label4_->palette();
  palette.setColor(QPalette::WindowText, colour);
  label4_->setPalette(palette);
  label4_->repaint();
}

void TAboutBox::FormShow() { FormActivate(); }

void TAboutBox::FormActivate() {
  SetLinkColour(Qt::blue);
  version_->setText(QString::fromStdString(ReadVersionText(ProgramDir)));
}

void TAboutBox::Label4DblClick() {
  SetLinkColour(Qt::darkMagenta);  // purple: the page was opened
  OpenUrl(QUrl(QString::fromUtf8(kMakerPage)));
}

void TAboutBox::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
  SettingsForm::changeEvent(event);
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
                     type == QEvent::MouseButtonDblClick;
  if (watched != label4_ || !mouse) return SettingsForm::eventFilter(watched, event);
  // A left click opens the page; a double click opens it twice, once for its first click and
  // once for the double click. Other buttons do nothing.
  const auto* mouseEvent = static_cast<QMouseEvent*>(event);
  if (type == QEvent::MouseButtonRelease && mouseEvent->button() == Qt::LeftButton) {
    Label4DblClick();
  }
  return true;
}

}  // namespace selvana
