// The plot command: the plot file and the path file in the program folder, the plotter started
// there, and what the user is told when a file or the plotter fails.
#include "mainwin/plot_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "output/plot_file.h"
#include "platform/file_lookup.h"
#include "platform/program_folders.h"
#include "support/fake_launcher.h"
#include "support/scratch_folder_test.h"
#include "support/scripted_message_box.h"

namespace selvana {
namespace {

using test::FakeLauncher;
using test::ScriptedMessageBox;

using PlotCommand = test::ProgramFolderTest;

TEST_F(PlotCommand, WritesThePlotAndPathFilesThenWaitsForThePlotterInTheProgramFolder) {
  FakeLauncher launcher({ProgramState::Running, ProgramState::Ended});
  int repaints = 0;
  ChangeDirectory("/");
  EXPECT_EQ(SakuzuClick([&] { ++repaints; }), kProgramEnded);
  EXPECT_EQ(CurrentDirectory(), ProgramDir);
  EXPECT_TRUE(HasFile(kPlotFileName));
  EXPECT_EQ(ReadFile("DirPath2.inf"), ProgramDir + "\r\nSBPLOT01.PLT\r\n$$$$$$$$\r\n");
  ASSERT_EQ(launcher.started.size(), 1u);
  EXPECT_EQ(launcher.started[0].commandLine, "Plt.exe");
  EXPECT_EQ(launcher.started[0].folder, ProgramDir);
  EXPECT_EQ(launcher.waits, (std::vector<int>{250, 250}));
  EXPECT_EQ(repaints, 2);
}

TEST_F(PlotCommand, AMissingPlotterIsToldWhereThePlotFileLies) {
  FakeLauncher launcher(std::vector<ProgramState>{});
  ScriptedMessageBox box;
  box.Expect(
      "作図プログラム(Plt.exe)を起動できませんでした。\n"
      "作図データは次のファイルに書き出されています。\n" +
          ProgramDir + "SBPLOT01.PLT",
      "メッセージ");
  EXPECT_EQ(SakuzuClick(), kProgramNotStarted);
}

TEST_F(PlotCommand, AFileThatCannotBeCreatedKeepsThePlotterFromStarting) {
  for (const char* blocked : {"SBPLOT01.PLT", "DirPath2.inf"}) {
    SCOPED_TRACE(blocked);
    std::filesystem::create_directory(blocked);
    FakeLauncher launcher;
    ScriptedMessageBox box;
    box.Expect(std::string(blocked == std::string("DirPath2.inf") ? "DirPath2.inf "
                                                                  : "作図データ(SBPLOT01.PLT) ") +
                   "を書き込めませんでした。",
               "error");
    EXPECT_EQ(SakuzuClick(), -1);
    EXPECT_TRUE(launcher.started.empty());
    std::filesystem::remove(blocked);
  }
}

}  // namespace
}  // namespace selvana
