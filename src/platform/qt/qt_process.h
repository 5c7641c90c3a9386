// The program launcher on QProcess: the command line is split at blanks, the program is looked
// for in the given folder first and then on the search path, and it runs in that folder.
#pragma once
#include "platform/process.h"

namespace selvana {

class QtProgramLauncher : public ProgramLauncher {
 public:
  std::unique_ptr<StartedProgram> Start(const std::string& commandLine,
                                        const std::string& folder) override;
};

}  // namespace selvana
