// The view commands of the main window (fit, fixed zooms, area zooms) and the rectangle steps
// shared by the area zooms and the circle-centre range (modes 101/102, 111/112, 4000/4001).
#pragma once

namespace selvana {

class MouseEditor;

// Fit the whole model, zoom about the view centre by 1.5 or 2/3; each redraws with the
// highlights of the current step.
void AllShowClick();
void ZoomInClick();
void ZoomOutClick();

// The scroll bars' handlers: the view follows the bar, then the highlights come back.
void ScrollBar1Change();
void ScrollBar2Change();

// The prompt of the first corner in mode 101, 111 or 4000.
const char* FirstCornerPrompt(int mode);

// Left button in 101, 111, 4000: the first corner of the rectangle.
void AreaFirstCorner(MouseEditor& editor, int x, int y);
// Left button in 102, 112, 4001: the second corner; zooms or sets the centre range, then gives
// back the operation an area zoom interrupted.
void AreaSecondCorner(MouseEditor& editor, int x, int y);
// Other button in 102, 112, 4001: back to the first corner.
void AreaRestart(MouseEditor& editor, int x, int y);
// Other button in 101, 111, 4000: ends the rectangle, giving back an interrupted operation.
void AreaCancel(MouseEditor& editor, int x, int y);

}  // namespace selvana
