// The program folder (the current directory at start-up: settings file, help file, external
// programs, output and scratch files) and the data folder (where project files are opened and
// saved). Both are file-system paths ending in "/". Also the entering of a folder the user
// chose a file in.
#pragma once
#include <string>

namespace selvana {

extern std::string ProgramDir;
extern std::string DataDir;

// Takes the current directory as the program folder, makes it the data folder as well and
// changes to it. Called once by the main window at start-up.
void InitProgramFolders();

// A folder that cannot be entered (caption "error"; %s is the folder).
inline constexpr char kMissingFolderMessage[] = "フォルダ(%s) が見つかりません。";

// The folder of a chosen path with its trailing "/"; the current directory when it has none.
std::string ChosenFolderOf(const std::string& path);

// Makes folder the current directory; after kMissingFolderMessage (caption "error") false when
// it cannot.
bool EnterFolder(const std::string& folder);

}  // namespace selvana
