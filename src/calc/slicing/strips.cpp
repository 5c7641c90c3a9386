// Strips of soil above a slip surface, from the block heights at the ends of a slice interval.
#include "calc/slicing/strips.h"

#include <algorithm>

#include "calc/results/slip_result.h"
#include "calc/run_data.h"
#include "calc/slicing/arc.h"

namespace selvana {

namespace {

constexpr double kTouchSlack = 1e-7;  // top and bottom this close still count as a cut

// Linear interpolation at x between the value at the right end XA and the left end XB.
double BetweenSides(double x, double atA, double atB) {
  const SliceSideHeightsRecord& s = RunData.SliceSideHeights;
  return (s.XA - x) * (atB - atA) / (s.XA - s.XB) + atA;
}

}  // namespace

bool StripAboveBase(int b, double width, double x, double baseY, double& top, double& bottom) {
  const SliceSideHeightsRecord& s = RunData.SliceSideHeights;
  BlockStrip& strip = RunData.BlockStrips[b];
  if (s.TopA[b] + kTouchSlack <= s.BottomA[b] || s.TopB[b] + kTouchSlack <= s.BottomB[b]) {
    strip = {x, 0.0, 0.0};
    return false;
  }
  top = std::max(BetweenSides(x, s.TopA[b], s.TopB[b]), baseY);
  bottom = std::max(BetweenSides(x, s.BottomA[b], s.BottomB[b]), baseY);
  strip = {x, (top + bottom) / 2.0, (top - bottom) * width};
  return true;
}

int BlockStripInSlice(int b, double width, double x, double cx, double cy, double R) {
  if (b < 0 || b >= kMaxBlocks) return -1;
  double top = 0.0, bottom = 0.0;
  if (StripAboveBase(b, width, x, ArcYAt(cx, cy, R, x), top, bottom)) {
    SlipMassYRange.MaxY = std::max(SlipMassYRange.MaxY, top);
    SlipMassYRange.MinY = std::min(SlipMassYRange.MinY, bottom);
  }
  return 0;
}

}  // namespace selvana
