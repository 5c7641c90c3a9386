// The progress window's layout.
#include "calc/progress/qt/Msg.h"

#include <QLabel>

#include "calc/progress/qt/calc_window_font.h"
#include "platform/qt/screen_centre.h"

namespace selvana {

TMsg_Frm* Msg_Frm = nullptr;

namespace {

// The client area: the designed outer size less the assumed frame.
constexpr int kWidth = kMsgOuterWidth - 2 * kMsgBorder;
constexpr int kHeight = kMsgOuterHeight - kMsgCaption - 2 * kMsgBorder;

}  // namespace

TMsg_Frm::TMsg_Frm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName("Msg_Frm");
  setWindowTitle(QString::fromUtf8("メッセージの表示"));
  setFixedSize(kWidth, kHeight);
  setFont(GothicFont(16));
  SetTextColour(this, Qt::red);
  for (int i = 0; i < 8; ++i) {
    QLabel* label = new QLabel(this);
    label->setObjectName(QString("Label%1").arg(i + 1));
    label->setGeometry(8, 8 + 24 * i, kWidth - 16, 20);
    label->setFont(GothicFont(16));
    SetTextColour(label, QColor(0x00, 0x00, 0x80));  // navy
    labels_[i] = label;
  }
  panel1_ = new QLabel(QString::fromUtf8("計算中止"), this);
  panel1_->setObjectName("Panel1");
  // The stop face sits in the lower right corner, where the abort window covers it.
  panel1_->setGeometry(kWidth - 112, 164, 104, 38);
  panel1_->setAlignment(Qt::AlignCenter);
  panel1_->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel1_->setLineWidth(2);
  panel1_->setFont(GothicFont(21, true));
  SetTextColour(panel1_, Qt::red);
  CentreOnScreen(*this);
}

}  // namespace selvana
