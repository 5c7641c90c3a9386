// A program launcher for tests: records the command lines and folders it was asked to start
// and plays back a script of poll states (an empty script: the program cannot be started).
#pragma once
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/process.h"

namespace selvana::test {

class FakeLauncher : public ProgramLauncher {
 public:
  // Installs itself for its lifetime.
  explicit FakeLauncher(std::vector<ProgramState> polls = {ProgramState::Ended})
      : polls_(polls.begin(), polls.end()), previous_(InstallProgramLauncher(this)) {}
  ~FakeLauncher() override { InstallProgramLauncher(previous_); }

  std::unique_ptr<StartedProgram> Start(const std::string& commandLine,
                                        const std::string& folder) override {
    started.push_back({commandLine, folder});
    if (polls_.empty()) return nullptr;
    return std::make_unique<Program>(*this);
  }

  struct Launch {
    std::string commandLine, folder;
  };
  std::vector<Launch> started;
  std::vector<int> waits;  // the milliseconds of every poll

 private:
  class Program : public StartedProgram {
   public:
    explicit Program(FakeLauncher& owner) : owner_(owner) {}
    ProgramState WaitFor(int ms) override {
      owner_.waits.push_back(ms);
      const ProgramState state = owner_.polls_.front();
      if (owner_.polls_.size() > 1) owner_.polls_.pop_front();
      return state;
    }

   private:
    FakeLauncher& owner_;
  };

  std::deque<ProgramState> polls_;
  ProgramLauncher* previous_;
};

}  // namespace selvana::test
