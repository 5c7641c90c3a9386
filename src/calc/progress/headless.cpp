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
  linePause_.Repainted();
}

bool HeadlessProgress::LinesDue() { return linePause_.Due(); }

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
