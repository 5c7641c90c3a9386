// The run entry of the straight-line methods 3 and 5: checks the search settings, builds the
// block polygons, searches on the design copy, takes the sliding sense of the best line, stamps
// the date and time and announces the verdict.
#pragma once

#include "calc/progress/progress.h"

namespace selvana {

// Checks the straight-line search settings of cm.kt. Method 3 first warns (caption "error", the
// run goes on) about a maximum slip angle below the minimum and a step below 0.001; then, for
// both methods, refuses (caption "error", returns false) what would never end or divides by
// zero: a slip angle step of 0 or less (method 3), a point spacing of 0 or less (method 5) and a
// slice width below 0.001. True when the run may go on.
bool CheckStraightLineSettings();

// Runs a straight-line calculation for cm.kt 3 (lines through a start point) or 5 (lines between
// two segments). Returns -1 after a refusal message (another method code, with caption "break";
// settings refused by CheckStraightLineSettings), otherwise 0, also after a stop or a run without
// result; CalcStatus is 1 only when results are valid and consolidated. SlopeDirection ends as
// the sense of the best line of the last pass.
int RunStraightLineCalc(CalcProgress& progress);

}  // namespace selvana
