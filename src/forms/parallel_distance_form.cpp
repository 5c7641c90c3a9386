// The parallel-line distance and its text.
#include "forms/parallel_distance_form.h"

#include <algorithm>
#include <cmath>

#include "editing/mouse_state.h"
#include "forms/coordinate_range.h"
#include "model/geometry.h"
#include "model/project_model.h"
#include "platform/typed_number.h"

namespace selvana {
namespace {

// A corner of a line parallel to the picked one at distance d lies within |d| of its end, in X
// and in Y.
bool ParallelCornersInRange(double d) {
  double reach = 0.0;
  for (const int p : {MouseState.SelectedIndex, MouseState.SecondIndex}) {
    if (p < 0 || p >= kMaxPoints) continue;
    reach = std::max({reach, std::fabs(PointTable[p].X), std::fabs(PointTable[p].Y)});
  }
  return CoordinateInRange(reach + std::fabs(d));
}

}  // namespace

ShownNumber ShowParallelDistance() { return ShowNumber(ParallelLineDistance, "%7.3f"); }

std::string FormatParallelDistance(std::string_view text) {
  return FormatTypedNumber(text, "%7.3f");
}

std::optional<EditRefusal> RefusedParallelDistance(std::string_view text,
                                                   const ShownNumber& shown) {
  if (ParallelCornersInRange(ShownOrTypedNumberOr(text, shown, ParallelLineDistance))) {
    return std::nullopt;
  }
  return EditRefusal{1, CoordinateRangeMessage("離れ距離", text)};
}

void StoreParallelDistance(std::string_view text, const ShownNumber& shown) {
  ParallelLineDistance = ShownOrTypedNumberOr(text, shown, ParallelLineDistance);
}

}  // namespace selvana
