// One degree in radians, the factor by which the calculation turns its angles (friction
// angles, slip angles) into the radians the trigonometric functions take.
#pragma once
#include <numbers>

namespace selvana {

inline constexpr double kDegree = std::numbers::pi / 180.0;

}  // namespace selvana
