// A progress object without windows: it keeps the eight lines and counts what the search asked
// for, and can ask to stop at a given poll. Used by the tests and by runs without a display.
#pragma once
#include <array>
#include <chrono>
#include <string>

#include "calc/progress/progress.h"
#include "calc/progress/repaint_pause.h"

namespace selvana {

class HeadlessProgress : public CalcProgress {
 public:
  // stopAtPoll: the poll (counted from 1) at which a stop is requested; 0 never stops.
  explicit HeadlessProgress(int stopAtPoll = 0) : stopAtPoll_(stopAtPoll) {}

  void Show() override;
  void SetLine(int line, std::string_view text) override;
  void Repaint() override;
  // Lines are due at most once per pause after a repaint, as a window that repaints a few dozen
  // times a second would show them; a pause of zero (the start) makes every line due.
  void SetLinePause(std::chrono::nanoseconds pause) { linePause_.SetPause(pause); }
  // The clock the pause is measured on (the steady clock unless a test sets another).
  void SetClock(RepaintPause::Clock clock) { linePause_.SetClock(std::move(clock)); }
  bool LinesDue() override;
  void Hide() override { visible_ = false; }
  bool PollStop() override;

  // Line 1..8 as last set (empty for other numbers).
  const std::string& Line(int line) const;
  bool visible() const { return visible_; }
  int shows() const { return shows_; }
  int repaints() const { return repaints_; }
  int polls() const { return polls_; }

 private:
  std::array<std::string, kProgressLineCount> lines_;
  int stopAtPoll_ = 0;
  bool visible_ = false;
  int shows_ = 0;
  int repaints_ = 0;
  int polls_ = 0;
  RepaintPause linePause_{std::chrono::nanoseconds(0)};
};

}  // namespace selvana
