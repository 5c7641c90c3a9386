// Waiting for an external program: its results, the poll period and the repaints between polls.
#include "platform/process.h"

#include <gtest/gtest.h>

#include "support/fake_launcher.h"

namespace selvana {
namespace {

using S = ProgramState;

TEST(RunProgramAndWait, ResultsPollsAndRepaintsFollowTheProgram) {
  const struct {
    const char* name;
    std::vector<S> polls;
    int result, repaints;
  } cases[] = {
      {"cannot start", {}, kProgramNotStarted, 0},
      {"ends at once", {S::Ended}, kProgramEnded, 1},
      {"runs two polls", {S::Running, S::Running, S::Ended}, kProgramEnded, 3},
      {"exit unreadable", {S::Running, S::ExitUnknown}, kProgramExitUnknown, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::FakeLauncher launcher(c.polls);
    int repaints = 0;
    EXPECT_EQ(RunProgramAndWait("Plt.exe /X", "/data/prog/", [&] { ++repaints; }), c.result);
    EXPECT_EQ(repaints, c.repaints);
    ASSERT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(launcher.started[0].commandLine, "Plt.exe /X");
    EXPECT_EQ(launcher.started[0].folder, "/data/prog/");
    EXPECT_EQ(launcher.waits, std::vector<int>(c.repaints, 250));
  }
}

TEST(RunProgramAndWait, WithoutALauncherNothingStarts) {
  const ProgramLauncher* previous = InstallProgramLauncher(nullptr);
  EXPECT_EQ(RunProgramAndWait("ViewZEL2.exe", "/"), kProgramNotStarted);
  InstallProgramLauncher(const_cast<ProgramLauncher*>(previous));
}

}  // namespace
}  // namespace selvana
