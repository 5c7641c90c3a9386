// Where the slip search looks, drawn on the main view: the grid of circle centres, the start point
// of a slip line, or the start and end segments of slip lines.
#pragma once
#include "platform/canvas.h"

namespace selvana {

// Returns 1 when the circle-centre switch is off, -1 for a centre grid with a pitch below 1e-7,
// else 0.
int DrawSlipSearchRange(Rgb colour);

}  // namespace selvana
