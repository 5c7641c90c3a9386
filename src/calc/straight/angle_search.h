// The search of method 3: straight slip lines through one start point over a range of slip
// angles, in one pass or two (the second around the best angle at a tenth of the step).
#pragma once
#include <optional>

#include "calc/progress/progress.h"

namespace selvana {

// Runs the whole search from StraightSlipSettings' start point on the model in place (block
// polygons traced, design copy applied by the run entry): shows the progress window, opens each
// pass's dump file, evaluates every angle of the pass, polls for a stop once per angle, stores
// every wedge through StoreLineResult. Passes are held to 1..4 (the four result tables); each
// after the first searches around the best angle of the last, within the first pass's range.
// A pass whose working range is empty (maximum more than 0.0001 below minimum) evaluates
// nothing and ends the search. Returns 0 when it ran to its end (also when a step of 0 or less
// would never advance: the run entry refuses that first), -1 when the user stopped it.
int SearchSlipLinesByAngle(CalcProgress& progress);

// The first and last grid angle a pass visits over min..max at step: the multiples of step
// around the range, or min alone when the range is narrower than 0.0001.
struct AngleWalkSpan {
  double first;
  double last;
};
AngleWalkSpan AngleWalkSpanOf(double min, double max, double step);

// True when a pass over min..max at a positive step ends and tries no more angles than a result
// table holds: every angle it visits grows by the step (a step below the rounding of the angles
// would never end the pass) and the count of angles is at most kMaxSlipResults.
bool AngleStepWorkable(double min, double max, double step);

// The slip angles of the first pass from the start point (x0, y0): StraightSlipSettings.Range
// narrowed by the arc-limit lines and points seen from it (kinds 3 and 5 raise the minimum, 4 and
// 6 lower the maximum), and the direction factor from the upper limit's direction. Without
// upper-limit lines the factor is -1: the line rises to the left of the start point. With
// lower-limit lines only, the lower limit still raises the minimum.
struct SlipAngleLimits {
  double min;
  double max;
  double factor;
};
SlipAngleLimits LimitedSlipAngles(double x0, double y0);

// The first pass's slip angles from the start point of StraightSlipSettings when the limit
// lines narrow the user's range; nothing when they leave it as given.
std::optional<SlipAngleLimits> NarrowedSlipAngles();

// Sets the angle range of SearchGrid (the step is the user's), LineDirectionFactor and
// SlopeDirection from LimitedSlipAngles. Returns 0.
int SlipAngleRange(double x0, double y0);

// Fills SurfaceHits with the crossings of the boundary lines with the ray of 10000 m from
// (x0, y0) at the signed angle alpha (degrees) in the sense of LineDirectionFactor, the part
// above the start point for Side 1, below for Side 2, both otherwise, gathered line by line
// (upper before lower); sorted and with the block of every piece (found at the middle of the
// piece). Returns 0.
int SlipLineSurfaceIntersections(double x0, double y0, double alpha);

}  // namespace selvana
