// The plot command of the calculation menu ("計算対象図の作図(&D)"): writes the plot file and the
// path file that leads the plotter program to it, then starts the plotter in the program folder
// and waits for it.
#pragma once
#include <functional>

#include "editing/main_commands.h"

namespace selvana {

inline constexpr const char* kPlotterCommand = "Plt.exe";
inline constexpr const char* kPlotPathFileName = "DirPath2.inf";

// Writes the path file in the current directory: the program folder with its trailing
// separator, the plot file's name, and the end marker "$$$$$$$$". False when it could not be
// written.
bool WritePlotPathFile();

// Writes the plot file and the path file, then runs the plotter, calling repaint between polls.
// A file that cannot be written ends the command after its message, without the plotter; a
// plotter that cannot be started gets a message saying where the plot file lies. Returns the
// plotter's result (see process.h), or -1 when a file failed.
int SakuzuClick(const std::function<void()>& repaint = {});

// Registers Sakuzu; repaint redraws the main window while the plotter runs.
void RegisterPlotCommand(CommandTable& table, std::function<void()> repaint);

}  // namespace selvana
