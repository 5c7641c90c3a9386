// The background grid of the main view: lines at the fine pitch (or the coarse one when the fine
// lines would be closer than 10 px), coarse lines thicker and labelled with their coordinate.
#pragma once
#include "platform/canvas.h"

namespace selvana {

// Returns 1 when the grid switch is off or even the coarse lines would be closer than 10 px,
// else 0.
int DrawBackgroundGrid(Rgb colour);

}  // namespace selvana
