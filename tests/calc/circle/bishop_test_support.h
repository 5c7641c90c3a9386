// Helpers of the Bishop tests: one circle evaluated through the shared walk with the Bishop
// mechanics, and the settings of a one-circle Bishop search.
#pragma once

#include "calc/results/slip_result.h"

namespace selvana::test {

// SetOneCircleGrid on BishopCircleSettings.
void SetSingleBishopCircle(double cx, double cy, double R);

// Evaluates the circle (cx, cy, R) exactly (no grid shift) with the Bishop mechanics on the
// current model, after building its polygons and breakpoints; the slip surfaces go to the
// order-1 table, which is emptied first. Returns the number stored.
int EvaluateBishopCircle(double cx, double cy, double R);

// The same circle with the Fellenius mechanics.
int EvaluateFelleniusCircle(double cx, double cy, double R);

// The ratio of resisting to driving moment of a stored record, before truncation.
inline double Ratio(const SlipResult& r) { return r.mr / r.md; }

}  // namespace selvana::test
