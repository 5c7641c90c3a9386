// The mouse editing state and its reset.
#include "editing/mouse_state.h"

namespace selvana {

MouseStateRecord MouseState;
MouseStateRecord SavedMouseState;

void ResetMouseMode() { MouseState.MouseMode = 0; }

}  // namespace selvana
