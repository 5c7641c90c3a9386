// Completing a slip surface of the modified Fellenius / Tschebotarioff circle: water thrust at
// its ends, horizontal forces, sliding direction, sheet pile and the safety factor.
#pragma once

namespace selvana {

// Completes CurrentSlipResult, whose slices are summed, for the circle of the current search
// point (centre Y from SearchGrid); f only for a surface SurfaceJudged accepts. Returns 0.
int CircleTotalsFellenius();

}  // namespace selvana
