// A clock a test moves by hand, for the pause between progress repaints. It starts a given time
// after the steady clock's zero point, which on Linux is the machine's boot.
#pragma once
#include <chrono>

#include "calc/progress/repaint_pause.h"

namespace selvana {

struct FakeClock {
  explicit FakeClock(std::chrono::nanoseconds sinceZero) : now(RepaintPause::TimePoint{} + sinceZero) {}
  RepaintPause::Clock Reader() {
    return [this] { return now; };
  }
  RepaintPause::TimePoint now;
};

// How long the machine has been up in the clock tests: an hour, a minute and not at all.
inline constexpr std::chrono::nanoseconds kUptimes[] = {
    std::chrono::hours(1), std::chrono::minutes(1), std::chrono::nanoseconds(0)};

}  // namespace selvana
