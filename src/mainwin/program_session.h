// The start and the end of a run of the program, as the main window performs them: settings
// file and new project at start-up; save prompt, settings file and model reset at close.
#pragma once
#include <functional>

namespace selvana {

// Takes the current directory as the program folder (and changes to it), reads the settings
// file there and puts the model into the state of a new project. The recent-file menu should
// be installed first so that it shows the loaded entries.
void StartProgramSession();

inline constexpr char kCloseQuestion[] = "データが変更されています。保存終了しますか？";

// The save prompt before the project is closed or replaced: true when the caller may go on
// (nothing modified, No, or Yes with saveProject returning true); false for Cancel and for Yes
// whose save did not complete (saveProject empty or returning false).
bool SavePromptAllowsGoingOn(const std::function<bool()>& saveProject);

// The close of the main window. When the project is modified, asks whether to save it: Cancel,
// or Yes whose save did not complete (saveProject empty or returning false), keeps the program
// open and returns false with nothing written. Otherwise writes the settings file into the
// program folder (a file that cannot be written is passed over silently), resets the model
// while the windows still exist, and returns true.
bool EndProgramSession(const std::function<bool()>& saveProject);

}  // namespace selvana
