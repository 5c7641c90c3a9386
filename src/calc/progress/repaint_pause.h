// When the progress lines are next due: a pause after the last repaint, read on a clock the
// owner may replace (tests give a fake one). "Never repainted" is a state of its own, not a
// time, so the first lines are due whatever the clock reads.
#pragma once
#include <chrono>
#include <functional>
#include <optional>
#include <utility>

namespace selvana {

class RepaintPause {
 public:
  using TimePoint = std::chrono::steady_clock::time_point;
  using Clock = std::function<TimePoint()>;

  explicit RepaintPause(std::chrono::nanoseconds pause,
                        Clock clock = [] { return std::chrono::steady_clock::now(); })
      : pause_(pause), clock_(std::move(clock)) {}

  void SetPause(std::chrono::nanoseconds pause) { pause_ = pause; }
  void SetClock(Clock clock) { clock_ = std::move(clock); }
  // Notes a repaint made now.
  void Repainted() { last_ = clock_(); }
  // True before the first repaint, without a pause, and once the pause has passed since the
  // last repaint.
  bool Due() const { return !last_ || pause_.count() <= 0 || clock_() - *last_ >= pause_; }

 private:
  std::chrono::nanoseconds pause_;
  Clock clock_;
  std::optional<TimePoint> last_;
};

}  // namespace selvana
