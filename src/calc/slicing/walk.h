// The walk along the pieces of a trial slip surface that the circle and the straight-line
// searches share: which pieces close a surface, the uncut-line test, the slices of an interval
// with the block heights at its ends, the block strips of one slice and the surface ends.
#pragma once
#include <cmath>

#include "calc/results/slip_result.h"
#include "calc/run_data.h"
#include "model/project_model.h"

namespace selvana {

// Where the searches walk a slip surface differently. Circles and method 3 lengthen the tested
// segment and every uncut line by 0.0001 at each end, method 5 tests them as they are; straight
// lines close a wedge at water acting as weight, circles slice it like soil; method 5 slices a
// structure with its own constants, circles and method 3 mark the surface invalid there and
// stop the walk.
struct SurfaceWalkRules {
  bool lengthenUncutLines;
  bool weightWaterEnds;
  bool structuresAreSoil;
};
inline constexpr SurfaceWalkRules kCircleWalk{true, false, false};
inline constexpr SurfaceWalkRules kLineFromPointWalk{true, true, false};
inline constexpr SurfaceWalkRules kLineBetweenSegmentsWalk{false, true, true};

// What a search does with the pieces of its slip surface.
class SurfacePieceWalker {
 public:
  virtual ~SurfacePieceWalker() = default;
  // Completes the current slip surface, offers it to the store and starts a fresh record.
  virtual void CloseSurface() = 0;
  // Slices the piece from xRight down to xLeft whose base lies in block slot b into
  // CurrentSlipResult; k walks SliceBreaksX over the whole surface.
  virtual void SlicePiece(double xRight, double xLeft, int b, int& k) = 0;
};

// Walks the pieces of SurfaceHits from right to left with SlipInvalid 0 and the break index 0:
// a vertical piece is only tested against the uncut lines; a piece in air, pressure water (and
// by the rules weight water) or soil without strength closes the surface; a structure (unless
// the rules slice it) marks the surface invalid and ends the walk; any other piece is sliced.
// Does not close the last surface: the search closes it after the walk.
void WalkSurfacePieces(const SurfaceWalkRules& rules, SurfacePieceWalker& walker);

// Widens the right and left ends of CurrentSlipResult over the slice base (xR, yR)-(xL, yL) in
// block slot b, notes in SlipSliceBases where that base lies and marks the record as holding a
// slice: no safety factor yet, valid 1.
void AddSliceBaseToSurface(int b, double xR, double yR, double xL, double yL);

// True when block slot b is soil or a structure (not water or another kind): a slice base
// there lies in soil, and the overhang check looks for air only within such blocks.
bool BaseInSoil(int b);

// Marks the current slip surface invalid: SlipInvalid 1, no safety factor.
void MarkSurfaceInvalid();

// True when the segment (x1, y1)-(x2, y2) crosses an uncut line (kind 2), both intersected by
// IntersectSegments. With lengthen, the segment and each uncut line are first lengthened by
// 0.0001 at each end (an end stays where it is when the segment is too short to give a
// direction); the segment only once an uncut line is met, as most models have none.
bool CrossesUncutLine(double x1, double y1, double x2, double y2, bool lengthen);

// True when the model has at least one uncut line.
bool ModelHasUncutLines();

// True for a soil block whose friction, cohesion and cohesion gradient are all nearly zero.
bool WithoutStrength(const BlockRecord& block);

// Block tops and bottoms at both ends of the interval xLeft..xRight into SliceSideHeights,
// measured at its thirds (away from every vertex, which is a breakpoint) and, for a block cut at
// both, extrapolated to the ends: block edges are straight inside an interval.
void MeasureSliceSides(double xRight, double xLeft);

// The smallest slice width the slice loop steps by: a narrower one (or NaN) would never end it.
inline constexpr double kSmallestSliceWidth = 0.001;

// True when cm.SliceWidth lets the slice loop end: kSmallestSliceWidth or more. The run entries
// refuse any other width with a message; a search called directly runs nothing.
inline bool SliceWidthUsable() { return cm.SliceWidth >= kSmallestSliceWidth; }

// Measures the block sides of the interval xLeft..xRight (MeasureSliceSides) and calls
// slice(x, w) for its slices from right to left: n = ceil(width / SliceWidth) slices of width
// w = width / n, the right edge x stepping down by w while it lies more than 0.001 right of
// xLeft and the surface is still valid (SlipInvalid below 1). A slice returning false ends the
// interval.
template <class Slice>
void ForEachSliceOfInterval(double xRight, double xLeft, Slice slice) {
  MeasureSliceSides(xRight, xLeft);
  const double n = std::ceil((xRight - xLeft) / cm.SliceWidth);
  const double w = (xRight - xLeft) / n;
  for (double x = xRight; x > xLeft + 0.001 && SlipInvalid < 1; x -= w) {
    if (!slice(x, w)) return;
  }
}

// Clears the strip of every block and calls strip(b) for each used block whose bounding box
// holds the slice base middle (xm, ym): xm within its X range, ym not above its top.
template <class StripOfBlock>
void FillBlockStrips(double xm, double ym, StripOfBlock strip) {
  for (int b = 0; b < BlockCount; ++b) {
    RunData.BlockStrips[b] = BlockStrip{};
    const BlockRecord& block = BlockTable[b];
    if (block.Number < 0) continue;
    if (block.BBox[1] <= xm && xm <= block.BBox[0] && ym <= block.BBox[2]) strip(b);
  }
}

}  // namespace selvana
