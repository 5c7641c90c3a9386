// The QProcess launcher with real programs: one in the given folder, one on the search path,
// one that does not exist.
#include "platform/qt/qt_process.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_folder.h"

namespace selvana {
namespace {

class QtProcess : public ::testing::Test {
 protected:
  void SetUp() override { previous_ = InstallProgramLauncher(&launcher_); }
  void TearDown() override { InstallProgramLauncher(previous_); }

  QtProgramLauncher launcher_;
  ProgramLauncher* previous_ = nullptr;
  test::TempFolder dir;
};

TEST_F(QtProcess, ProgramInTheFolderRunsThereWithItsArguments) {
  // A script that records its folder and arguments, found in the folder before the path. It
  // runs four polls long, so that a busy machine still sees it running at the first poll.
  dir.Write("Viewer.sh", "#!/bin/sh\npwd > seen.txt\necho \"$@\" >> seen.txt\nsleep 1\n");
  std::filesystem::permissions(dir.File("Viewer.sh"), std::filesystem::perms::owner_all);
  int repaints = 0;
  EXPECT_EQ(RunProgramAndWait("Viewer.sh /PDTOPEN /NOTEDIT", dir.Dir(), [&] { ++repaints; }),
            kProgramEnded);
  EXPECT_EQ(dir.Read("seen.txt"), dir.path() + "\n/PDTOPEN /NOTEDIT\n");
  EXPECT_GE(repaints, 2);  // it ran longer than one poll
}

TEST_F(QtProcess, ProgramOnTheSearchPathEndsAndAMissingOneDoesNotStart) {
  EXPECT_EQ(RunProgramAndWait("true", dir.Dir()), kProgramEnded);
  EXPECT_EQ(RunProgramAndWait("ViewZEL2.exe /PDTOPEN /NOTEDIT", dir.Dir()), kProgramNotStarted);
}

}  // namespace
}  // namespace selvana
