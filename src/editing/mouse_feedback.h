// The highlights of the current mouse step, drawn again after a redraw of the main view has
// wiped them (every view change and the mode handlers call it right after RedrawView).
#pragma once

namespace selvana {

// Draws, by MouseState.MouseMode, the picked points, lines and blocks in yellow or lime (copy
// mode, so the next redraw removes them), and restarts the rubber band of an area zoom's second
// corner. Draws nothing in other modes. Returns 0.
int RedrawMouseFeedback();

}  // namespace selvana
