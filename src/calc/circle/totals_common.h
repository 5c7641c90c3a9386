// Steps that the Fellenius and the Bishop circle totals share: the thrust of pressure water at
// the ends, the moments of the horizontal forces and the sliding sense of the weight moment.
#pragma once

#include "calc/results/slip_result.h"

namespace selvana {

// Adds (sign +1) or subtracts (sign -1) the hydrostatic thrust moment about a centre at height
// cy of every pressure-water block (kind 1) on the vertical at x above the slip-surface end at
// height y, one block after the other in slot order, straight onto mdw.
void AddEndWaterThrusts(double& mdw, double x, double y, double cy, int sign);

// Adds to r.mdh the moment about a centre at height cy of the horizontal forces: forces 1 and 2
// only when their height lies within SlipMassYRange (ends included), force 3 always.
void AddHorizontalForceMoments(SlipResult& r, double cy);

// Sets SlopeDirection from a circle search's slip-direction setting (1 automatic: +1 when
// r.mdw >= 0, else -1; 2: -1; any other: +1) and, when it is -1, turns r.mdw (only r.mdw).
void ApplySlipDirection(SlipResult& r, int slipDirection);

}  // namespace selvana
