// The run entry of the straight-line methods 3 and 5: checks the search settings, builds the
// block polygons, searches on the design copy, takes the sliding sense of the best line, stamps
// the date and time and announces the verdict.
#pragma once

#include "calc/progress/progress.h"

namespace selvana {

// Runs a straight-line calculation for cm.kt 3 (lines through a start point) or 5 (lines between
// two segments). Returns -1 after a refusal message (another method code, with caption "break";
// settings refused by CheckRunSettings), otherwise 0, also after a stop or a run without
// result; CalcStatus is 1 only when results are valid and consolidated. SlopeDirection ends as
// the sense of the best line of the last pass.
int RunStraightLineCalc(CalcProgress& progress);

}  // namespace selvana
