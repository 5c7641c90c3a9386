// Diagnostic pictures of the model on the main view, drawn on black over the whole image: whether
// the boundary lines meet at their points, whether they close into regions, and where the
// residual water level lies once its partial factor applies. Nothing in the model changes; the
// picture stays until the next redraw. Each returns 0.
#pragma once

namespace selvana {

// Every boundary line in aqua, stopped 5 pixels short of both ends, and a 5-pixel circle round
// every point: a line end without a circle, or a gap at a circle, is a missing connection.
int ShowLineConnectionCheck();

// Every boundary line in white, then in red each direction of a line that closes no region.
int ShowBlockCheck();

// The boundary lines in white and each residual water line dotted, as entered in aqua and with
// its ends' heights multiplied by the residual-water factor in red.
int ShowWaterLineCheck();

}  // namespace selvana
