// What the end-water tests of both circle totals (Fellenius and Bishop) share: the thrust
// moment they expect and the cases of water that gives no thrust at the end of a surface.
#pragma once

#include "model/project_model.h"

namespace selvana::test {

// The moment about the centre height cy of the hydrostatic thrust of water of unit weight gamma
// from bottom up to top on a vertical end face: its depth² γ / 2 acting a third up the column.
inline double EndWaterThrustMoment(double cy, double top, double bottom, double gamma) {
  const double depth = top - bottom;
  return (cy - (top + 2.0 * bottom) / 3.0) * (depth * depth) * gamma * 0.5;
}

// A water block 0..6 m high over the right end of the surface, which ends at endY, that gives
// the end no thrust.
struct EndWaterWithoutThrust {
  const char* name;
  int kind;
  double endY;
  int drivingMode;
};
inline constexpr EndWaterWithoutThrust kEndWaterWithoutThrust[] = {
    {"water_wholly_below_the_end", kBlockPressureWater, 8.0, 0},
    {"water_acting_as_weight", kBlockWeightWater, 2.0, 0},
    {"driving_force_from_effective_weight", kBlockPressureWater, 2.0, 1},
};

}  // namespace selvana::test
