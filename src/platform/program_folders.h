// The program folder (the current directory at start-up: settings file, help file, external
// programs, output and scratch files) and the data folder (where project files are opened and
// saved). Both are file-system paths ending in "/".
#pragma once
#include <string>

namespace selvana {

extern std::string ProgramDir;
extern std::string DataDir;

// Takes the current directory as the program folder, makes it the data folder as well and
// changes to it. Called once by the main window at start-up.
void InitProgramFolders();

}  // namespace selvana
