// The local wall-clock time at which a calculation run ends, for its date and time stamp.
#pragma once
#include <ctime>

namespace selvana {

// The current local date and time.
std::tm LocalTimeNow();

}  // namespace selvana
