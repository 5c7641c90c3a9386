// The windowless progress object.
#include "calc/progress/headless.h"

namespace selvana {

void HeadlessProgress::Show() {
  visible_ = true;
  ++shows_;
}

void HeadlessProgress::SetLine(int line, std::string_view text) {
  if (line < 1 || line > kProgressLineCount) return;
  lines_[line - 1].assign(text);
}

void HeadlessProgress::Repaint() {
  ++repaints_;
  if (linePause_.count() > 0) lastRepaint_ = std::chrono::steady_clock::now();
}

bool HeadlessProgress::LinesDue() {
  if (linePause_.count() <= 0) return true;
  return std::chrono::steady_clock::now() - lastRepaint_ >= linePause_;
}

bool HeadlessProgress::PollStop() {
  ++polls_;
  return stopAtPoll_ > 0 && polls_ == stopAtPoll_;
}

const std::string& HeadlessProgress::Line(int line) const {
  static const std::string empty;
  if (line < 1 || line > kProgressLineCount) return empty;
  return lines_[line - 1];
}

}  // namespace selvana
