// The local time of the end of a run.
#include "calc/run_clock.h"

namespace selvana {

std::tm LocalTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

}  // namespace selvana
