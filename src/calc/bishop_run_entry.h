// The run entry of the Bishop methods (cm.kt 2 and 4).
#pragma once
#include <string>

#include "calc/progress/progress.h"

namespace selvana {

// Runs a Bishop calculation as the circle run entry does (method check "cm.kt != 2,4", range
// checks on BishopCircleSettings and the slice width, polygons, design copy with the Bishop
// partial factors, search, date stamp, verdict). Afterwards, when slices had to be dropped
// because a slip surface outgrew the room of its slice records, says so in a box captioned
// "error". Returns -1 after a refusal message, otherwise 0.
int RunCircleCalcBishop(CalcProgress& progress);

// The user's message about dropped slices (UTF-8).
std::string BishopSliceOverflowMessage();

}  // namespace selvana
