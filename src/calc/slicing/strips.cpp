// Strips of soil above a slip surface, from the block heights at the ends of a slice interval.
#include "calc/slicing/strips.h"

#include <algorithm>

#include "calc/results/slip_result.h"
#include "calc/run_data.h"
#include "calc/slicing/arc.h"

namespace selvana {

namespace {

// Linear interpolation at x between the value at the right end XA and the left end XB.
double BetweenSides(double x, double atA, double atB) {
  const SliceSideHeightsRecord& s = RunData.SliceSideHeights;
  return (s.XA - x) * (atB - atA) / (s.XA - s.XB) + atA;
}

// True when the block was cut at both measuring verticals of the interval, so that its side
// heights were measured and extrapolated; a block missing at either keeps the marks there.
bool CutAtBothSides(const SliceSideHeightsRecord& s, int b) {
  return s.TopA[b] != kNoTop && s.BottomA[b] != kNoBottom && s.TopB[b] != kNoTop &&
         s.BottomB[b] != kNoBottom;
}

}  // namespace

bool StripAboveBase(int b, double width, double x, double baseY, double& top, double& bottom) {
  const SliceSideHeightsRecord& s = RunData.SliceSideHeights;
  BlockStrip& strip = RunData.BlockStrips[b];
  if (!CutAtBothSides(s, b)) {
    strip = {x, 0.0, 0.0};
    return false;
  }
  top = std::max(BetweenSides(x, s.TopA[b], s.TopB[b]), baseY);
  bottom = std::max(BetweenSides(x, s.BottomA[b], s.BottomB[b]), baseY);
  // A breakpoint within 0.0001 of a vertex takes the vertex's place (the centre X of a circle,
  // shifted by 1e-5, beside a vertex X), so an interval can end just past a vertex at which a
  // block pinches out; extrapolated to that end, the block's top passes below its bottom. Inside
  // the interval the block is still there: only where it has pinched out is its strip empty.
  top = std::max(top, bottom);
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
