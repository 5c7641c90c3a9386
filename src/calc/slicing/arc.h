// The Y of the lower half of a slip circle at a given X.
#pragma once
#include <cmath>

namespace selvana {

// cy - sqrt(R^2 - (cx - x)^2); where x lies within 1e-5 of the circle's side (|R - |cx - x|| <
// 1e-5) the centre height cy, so that the ends of the lower half meet the vertical probes.
inline double ArcYAt(double cx, double cy, double R, double x) {
  if (std::fabs(R - std::fabs(cx - x)) < 1e-5) return cy;
  return cy - std::sqrt(R * R - (cx - x) * (cx - x));
}

}  // namespace selvana
