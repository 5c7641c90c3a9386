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
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), msg_(msg) {
  setObjectName("Stop_Frm");
  setFixedSize(kWidth, kHeight);
  setWindowModality(Qt::ApplicationModal);
  label1_ = new QLabel(QString::fromUtf8("計算中止"), this);
  label1_->setObjectName("Label1");
  label1_->setGeometry(8, 8, 89, 21);
  label1_->setAttribute(Qt::WA_TransparentForMouseEvents);  // its clicks are the window's
  label1_->setFont(GothicFont(21, true));
  SetTextColour(label1_, Qt::red);
  CoverStopFace();
}

void TStop_Frm::CoverStopFace() {
  const QPoint face = msg_->Panel1()->mapToGlobal(QPoint(0, 0));
  if (pos() != face) move(face);  // the window has no frame: its position is its face's
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
