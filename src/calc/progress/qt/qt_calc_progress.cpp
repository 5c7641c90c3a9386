// Progress lines, repaints and abort polls on the two windows.
#include "calc/progress/qt/qt_calc_progress.h"

#include <QCoreApplication>
#include <QLabel>

#include "calc/progress/qt/Msg.h"
#include "calc/progress/qt/Stop.h"

namespace selvana {

void QtCalcProgress::Show() {
  msg_.show();
  msg_.raise();
  ShowStopWindow();
  stop_.TakeStopRequest();  // a click before the run began is not a request to stop it
}

void QtCalcProgress::ShowStopWindow() {
  stop_.CoverStopFace();
  if (stop_.isVisible()) return;
  stop_.show();
  stop_.raise();
  stop_.activateWindow();
}

void QtCalcProgress::SetLine(int line, std::string_view text) {
  if (line < 1 || line > kProgressLineCount) return;
  msg_.Line(line)->setText(QString::fromUtf8(text.data(), static_cast<int>(text.size())));
}

void QtCalcProgress::Repaint() {
  msg_.repaint();
  repaintPause_.Repainted();
}

bool QtCalcProgress::LinesDue() { return repaintPause_.Due(); }

void QtCalcProgress::Hide() {
  stop_.hide();
  msg_.hide();
}

bool QtCalcProgress::PollStop() {
  ShowStopWindow();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  msg_.Panel1()->repaint();
  return stop_.TakeStopRequest();
}

}  // namespace selvana
