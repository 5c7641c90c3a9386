// The wait for an external program, on whatever launcher the program installed.
#include "platform/process.h"

namespace selvana {
namespace {

ProgramLauncher* installedLauncher = nullptr;

}  // namespace

ProgramLauncher* InstallProgramLauncher(ProgramLauncher* launcher) {
  ProgramLauncher* previous = installedLauncher;
  installedLauncher = launcher;
  return previous;
}

int RunProgramAndWait(const std::string& commandLine, const std::string& folder,
                      const std::function<void()>& repaint) {
  if (!installedLauncher) return kProgramNotStarted;
  const std::unique_ptr<StartedProgram> program = installedLauncher->Start(commandLine, folder);
  if (!program) return kProgramNotStarted;
  for (;;) {
    const ProgramState state = program->WaitFor(kProgramPollMs);
    if (repaint) repaint();
    if (state == ProgramState::ExitUnknown) return kProgramExitUnknown;
    if (state == ProgramState::Ended) return kProgramEnded;
  }
}

}  // namespace selvana
