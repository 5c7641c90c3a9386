// The print command of the calculation menu ("計算書の印刷(&P)"): writes the result files and
// the input check lists into the program folder and starts the report viewer on them.
#pragma once
#include <functional>

#include "editing/main_commands.h"

namespace selvana {

// The command line of the report viewer.
inline constexpr const char* kReportViewerCommand = "ViewZEL2.exe /PDTOPEN /NOTEDIT";

// Writes the result files (without valid results only the check lists come), the first check
// list as entered and, with partial factors on, the second with the factors applied (the model
// is the user's again afterwards), then starts the viewer in the program folder and waits for
// it, calling repaint between polls. A file that cannot be written ends the command after its
// message, without the viewer; a viewer that cannot be started gets a message naming the
// folder of the print data. Returns the viewer's result (see process.h), or -1 when a file
// failed.
int PrnClick(const std::function<void()>& repaint = {});

// Registers Prn; repaint redraws the main window while the viewer runs.
void RegisterPrintCommand(CommandTable& table, std::function<void()> repaint);

}  // namespace selvana
