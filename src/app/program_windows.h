// The program's windows: created once at start-up in a fixed order and kept until the end. Other
// code reaches them through their global instances (Main_Frm, Cal_Frm, ...).
#pragma once
#include <memory>

namespace selvana {

class QtCalcProgress;

// Creates the main window, then the nineteen other windows in their order. The main window reads
// the settings file of the current directory. Returns the progress object of the calculation,
// bound to the progress and abort windows.
std::unique_ptr<QtCalcProgress> CreateProgramWindows();

// Destroys every window created by CreateProgramWindows (the instances become nullptr).
void DestroyProgramWindows();

}  // namespace selvana
