// Truncation of the safety factor to the decimals the figure and the reports print.
#include "calc/results/safety_factor.h"

#include <algorithm>
#include <cmath>

#include "model/project_model.h"

namespace selvana {

int SafetyFactorDecimals() {
  // A project file may hold any count; beyond 0..9 the power would reach zero or infinity and
  // the factor would come out as a division by zero or NaN.
  return std::clamp(DrawSettings.Decimals[0], 0, kMaxSafetyFactorDecimals);
}

double TruncateSafetyFactor(double ratio) {
  const double p = std::pow(10.0, SafetyFactorDecimals());
  const double scaled = ratio * p;  // kept apart from the sum: no fused multiply-add
  return std::floor(scaled + 0.1 / p) / p;
}

double SafetyFactorOf(double mr, double md, NoFactorRule rule) {
  if (rule == NoFactorRule::kDrivingTotal) {
    return md <= 1e-5 ? kNoSafetyFactor : TruncateSafetyFactor(mr / md);
  }
  if (std::fabs(md) <= 1e-5) return kNoSafetyFactor;
  const double f = TruncateSafetyFactor(mr / md);
  return f < 1e-7 ? kNoSafetyFactor : f;
}

}  // namespace selvana
