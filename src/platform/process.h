// Starting an external program and waiting for its end while the main window keeps repainting
// itself and takes no input. The program installs a launcher for its platform; tests install a
// fake that records what it was asked to start.
#pragma once
#include <functional>
#include <memory>
#include <string>

namespace selvana {

// What a poll of a started program found.
enum class ProgramState { Running, Ended, ExitUnknown };

class StartedProgram {
 public:
  virtual ~StartedProgram() = default;
  // Waits at most ms milliseconds for the program to end and says how it stands then.
  virtual ProgramState WaitFor(int ms) = 0;
};

class ProgramLauncher {
 public:
  virtual ~ProgramLauncher() = default;
  // Starts the command line (program, then its arguments, separated by blanks) with folder as
  // its current directory; the program is looked for in that folder first, then on the search
  // path. nullptr when it cannot be started.
  virtual std::unique_ptr<StartedProgram> Start(const std::string& commandLine,
                                                const std::string& folder) = 0;
};

// Results of RunProgramAndWait.
inline constexpr int kProgramEnded = 0;
inline constexpr int kProgramExitUnknown = 1;  // its end state could not be read
inline constexpr int kProgramNotStarted = 2;

// How often a running program is polled, and the main window repainted meanwhile.
inline constexpr int kProgramPollMs = 250;

// Starts the command line in folder through the installed launcher, then polls it every
// kProgramPollMs, calling repaint (when given) after each poll, until it has ended.
int RunProgramAndWait(const std::string& commandLine, const std::string& folder,
                      const std::function<void()>& repaint = {});

// Installs a launcher (nullptr: none, every start then fails); returns the previous one.
ProgramLauncher* InstallProgramLauncher(ProgramLauncher* launcher);

}  // namespace selvana
