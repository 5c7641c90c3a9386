// The abort window: its face, its place by the progress window and its stop requests.
#include "calc/progress/qt/Stop.h"

#include <QLabel>

#include "calc/progress/qt/Msg.h"
#include "calc/progress/qt/calc_window_font.h"

namespace selvana {

TStop_Frm* Stop_Frm = nullptr;

namespace {

constexpr int kWidth = 104;
constexpr int kHeight = 38;

}  // namespace

TStop_Frm::TStop_Frm(TMsg_Frm* msg, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setObjectName("Stop_Frm");
  setFixedSize(kWidth, kHeight);
  setWindowModality(Qt::ApplicationModal);
  label1_ = new QLabel(QString::fromUtf8("計算中止"), this);
  label1_->setObjectName("Label1");
  label1_->setGeometry(8, 8, 89, 21);
  label1_->setAttribute(Qt::WA_TransparentForMouseEvents);  // its clicks are the window's
  label1_->setFont(GothicFont(21, true));
  SetTextColour(label1_, Qt::red);
  const QRect m = msg->OuterGeometry();  // framed as designed, this covers its Panel1
  move(m.left() + m.width() - kWidth - 4, m.top() + m.height() - kHeight - 4);
}

bool TStop_Frm::TakeStopRequest() {
  const bool requested = stopRequested_;
  stopRequested_ = false;
  return requested;
}

void TStop_Frm::mousePressEvent(QMouseEvent*) { StopEvent(); }
void TStop_Frm::mouseDoubleClickEvent(QMouseEvent*) { StopEvent(); }
void TStop_Frm::keyPressEvent(QKeyEvent*) { StopEvent(); }

}  // namespace selvana
