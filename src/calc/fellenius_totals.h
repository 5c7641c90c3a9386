// Completing a slip surface of the modified Fellenius / Tschebotarioff circle: water thrust at
// its ends, horizontal forces, sliding direction, sheet pile and the safety factor.
#pragma once

namespace selvana {

// Completes CurrentSlipResult, whose slices are summed, for the circle of the current search
// point (centre Y from SearchGrid). Returns 0.
int CircleTotalsFellenius();

// Adds (sign +1) or subtracts (sign -1) the hydrostatic thrust moment about a centre at height
// cy of every pressure-water block (kind 1) on the vertical at x above the slip-surface end at
// height y, one block after the other in slot order, straight onto mdw.
void AddEndWaterThrusts(double& mdw, double x, double y, double cy, int sign);

}  // namespace selvana
