// The state of the mouse editing on the main view: the current mode with the picks and rubber
// band of its steps, and the copy an area zoom keeps of the operation it interrupts.
#pragma once

namespace selvana {

struct MouseStateRecord {
  int MouseMode = 0;  // mode code of the current operation step; 0 idle
  int AnchorX = 0;    // rubber-band anchor, screen pixels
  int AnchorY = 0;
  int CurrentX = 0;  // rubber-band end last drawn, screen pixels
  int CurrentY = 0;
  int SelectedIndex = -1;   // point, line, block or circle slot picked by the operation
  int SecondIndex = -1;     // the second pick (second line, target point, copied block)
  int FirstLineIndex = -1;  // the first line of a two-line operation
  int MovedFlag = 0;        // 1 once a drag step changed the picked item
  double SavedX = 0.0;      // model position kept by the operation (before a move)
  double SavedY = 0.0;
};

extern MouseStateRecord MouseState;
// Taken when an area zoom starts, given back when it ends.
extern MouseStateRecord SavedMouseState;

// Part of the project reset and of every project load: mode 0, the prompt and the XY button
// left as they are.
void ResetMouseMode();

}  // namespace selvana
