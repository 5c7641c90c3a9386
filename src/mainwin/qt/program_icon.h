// The program's own icon, drawn in code: a slope in cross-section cut by a slip circle. The main
// window, the version box and every other window of the program carry it.
#pragma once
#include <QIcon>

namespace selvana {

// The icon at 16, 24, 32, 48 and 64 pixels, each size drawn on its own grid.
QIcon ProgramIcon();

}  // namespace selvana
