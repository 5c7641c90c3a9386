// Truncation of the safety factor to the decimals the figure and the reports print.
#include "calc/results/safety_factor.h"

#include <cmath>

#include "model/project_model.h"

namespace selvana {

double TruncateSafetyFactor(double ratio) {
  const double p = std::pow(10.0, DrawSettings.Decimals[0]);
  const double scaled = ratio * p;  // kept apart from the sum: no fused multiply-add
  return std::floor(scaled + 0.1 / p) / p;
}

double SafetyFactorWithMarks(double mr, double md) {
  if (std::fabs(md) <= 1e-5) return kNoSafetyFactor;
  const double f = TruncateSafetyFactor(mr / md);
  return f < 1e-7 ? kNoSafetyFactor : f;
}

}  // namespace selvana
