// The strip of one block inside one slice, above a slip surface and above a slip circle.
#pragma once
#include <algorithm>

#include "calc/results/slip_result.h"
#include "calc/run_data.h"

namespace selvana {

// Fills BlockStrips[b] (b a valid slot) for the slice of the given width whose middle is at x,
// above a slip surface whose Y there is baseY, from the block's heights at both ends of the
// interval in SliceSideHeights: {x, 0, 0} when the block is not cut at one of the ends (returns
// false); otherwise top and bottom interpolated at x, both raised to baseY, giving
// {x, mid-height, height x width} (returns true with top and bottom). Inline, as the next one:
// once per block and slice.
inline bool StripAboveBase(int b, double width, double x, double baseY, double& top,
                           double& bottom) {
  const SliceSideHeightsRecord& s = RunData.SliceSideHeights;
  BlockStrip& strip = RunData.BlockStrips[b];
  if (!s.CutAtBothEnds[b]) {
    strip = {x, 0.0, 0.0};
    return false;
  }
  // Linear between the right end XA and the left end XB.
  const double fromA = s.XA - x;
  top = std::max(fromA * s.TopRise[b] / s.Span + s.TopA[b], baseY);
  bottom = std::max(fromA * s.BottomRise[b] / s.Span + s.BottomA[b], baseY);
  // A breakpoint within 0.0001 of a vertex takes the vertex's place (the centre X of a circle,
  // shifted by 1e-5, beside a vertex X), so an interval can end just past a vertex at which a
  // block pinches out; extrapolated to that end, the block's top passes below its bottom. Inside
  // the interval the block is still there: only where it has pinched out is its strip empty.
  top = std::max(top, bottom);
  strip = {x, (top + bottom) / 2.0, (top - bottom) * width};
  return true;
}

// Fills BlockStrips[b] for the slice of the given width whose middle is at x, above the circle
// (cx, cy, R), from the block's heights at both ends of the interval in SliceSideHeights:
// {x, 0, 0} when the block is not cut at one of the ends; otherwise top and bottom interpolated
// at x, both raised to the arc, giving {x, mid-height, height x width}, and SlipMassYRange
// widened to the strip's top and bottom. Returns 0 (-1 for a slot outside the block table).
int BlockStripInSlice(int b, double width, double x, double cx, double cy, double R);

// The same for a valid slot b, with the arc's Y at x already worked out (arcY): the circle cut
// takes it once per slice for all blocks.
inline void StripAboveArc(int b, double width, double x, double arcY) {
  double top = 0.0, bottom = 0.0;
  if (StripAboveBase(b, width, x, arcY, top, bottom)) {
    SlipMassYRange.MaxY = std::max(SlipMassYRange.MaxY, top);
    SlipMassYRange.MinY = std::min(SlipMassYRange.MinY, bottom);
  }
}

}  // namespace selvana
