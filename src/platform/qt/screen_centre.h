// Placing a window in the middle of the screen, as every window of the program does once.
#pragma once

class QWidget;

namespace selvana {

// Moves the window to left = (screen width - width) / 2, top = (screen height - height) / 2,
// truncated toward zero, on the primary screen.
void CentreOnScreen(QWidget& window);

}  // namespace selvana
