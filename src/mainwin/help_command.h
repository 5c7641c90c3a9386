// The help command ("ヘルプ(&H)" and the tool button "？"): opens the help file of the program
// folder with whatever the desktop opens such files with. The help file does not come with this
// program, so where it is missing, or nothing can open it, a message says so.
#pragma once
#include <functional>
#include <string>

#include "editing/main_commands.h"

namespace selvana {

inline constexpr const char* kHelpFileName = "DROVIK220.chm";

// Hands a file to the desktop's handler for its kind; false when nothing took it.
using DocumentOpener = std::function<bool(const std::string& path)>;

// Results of HelpDispClick.
inline constexpr int kHelpOpened = 0;
inline constexpr int kHelpMissing = 1;
inline constexpr int kHelpNotOpened = 2;

// Changes to the program folder and opens the help file there (its name matched ignoring case)
// without waiting; a missing file or a refusal of the opener gets a message.
int HelpDispClick(const DocumentOpener& open);

// Registers HelpDisp.
void RegisterHelpCommand(CommandTable& table, DocumentOpener open);

}  // namespace selvana
