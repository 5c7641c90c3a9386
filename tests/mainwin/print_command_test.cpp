// The print command: which files it leaves in the program folder, how it starts the report
// viewer, and that the model is the user's again afterwards.
#include "mainwin/print_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "calc/progress/headless.h"
#include "calc/run_entry.h"
#include "model/project_file.h"
#include "model/project_model.h"
#include "platform/file_lookup.h"
#include "support/fake_launcher.h"
#include "support/scratch_folder_test.h"
#include "support/scripted_message_box.h"

namespace selvana {
namespace {

using test::FakeLauncher;
using test::ScriptedMessageBox;

class PrintCommand : public test::ScratchFolderTest {
 protected:
  // The project as the project writer puts it, without changing the project's name.
  std::string SavedModel() const {
    const std::string name = cm.ProjectFileName;
    const int modified = DataModified;
    EXPECT_EQ(WriteProjectFile("model"), kWriteOk);
    cm.ProjectFileName = name;
    DataModified = modified;
    return ReadFile("model.SDW");
  }
};

TEST_F(PrintCommand, WithoutResultsWritesTheCheckListsAndStartsTheViewerInTheProgramFolder) {
  for (const int factors : {0, 1}) {
    SCOPED_TRACE(factors);
    PartialFactors.Enabled = factors;
    FakeLauncher launcher;
    int repaints = 0;
    EXPECT_EQ(PrnClick([&] { ++repaints; }), kProgramEnded);
    EXPECT_TRUE(HasFile("SB_CHK01.PDT"));
    EXPECT_EQ(HasFile("SB_CHK02.PDT"), factors == 1);
    EXPECT_FALSE(HasFile("SB_ANS10.PDT"));
    ASSERT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(launcher.started[0].commandLine, "ViewZEL2.exe /PDTOPEN /NOTEDIT");
    EXPECT_EQ(launcher.started[0].folder, CurrentDirectory());
    EXPECT_EQ(repaints, 1);
  }
}

TEST_F(PrintCommand, AMissingViewerIsToldWithTheFolderOfThePrintData) {
  FakeLauncher launcher(std::vector<ProgramState>{});  // no viewer on this machine
  ScriptedMessageBox box;
  box.Expect(
      "報告書ビューア(ViewZEL2.exe)を起動できませんでした。\n"
      "印刷データは次のフォルダに書き出されています。\n" +
          CurrentDirectory(),
      "メッセージ");
  EXPECT_EQ(PrnClick(), kProgramNotStarted);
  EXPECT_TRUE(HasFile("SB_CHK01.PDT"));
}

TEST_F(PrintCommand, AFileThatCannotBeWrittenKeepsTheViewerFromStarting) {
  // A folder in the way, with something in it so the removal of old lists leaves it there.
  std::filesystem::create_directory("SB_CHK01.PDT");
  std::ofstream("SB_CHK01.PDT/keep") << "x";
  FakeLauncher launcher;
  ScriptedMessageBox box;
  box.Expect("印刷データ(SB_CHK01.PDT) を書き込めませんでした。", "error");
  EXPECT_EQ(PrnClick(), -1);
  EXPECT_TRUE(launcher.started.empty());
}

TEST_F(PrintCommand, CalculatedSampleWritesTheWholeSetAndLeavesTheModelAsItWas) {
  std::filesystem::copy_file(SELVANA_SAMPLES "/HOMOGENEOUS.SDW", "HOMOGENEOUS.SDW");
  ASSERT_EQ(ReadProjectFile("HOMOGENEOUS"), kReadOk);
  PartialFactors.Enabled = 1;  // so that the second list runs on factored values
  PartialFactors.Factor.fill(1.0);
  PartialFactors.Factor[7] = 0.8;
  PartialFactors.Factor[8] = 0.9;
  {
    ScriptedMessageBox box;
    box.ExpectPrefix("計算：正常終了しました。", "終わり");
    HeadlessProgress progress;
    RunCircleCalcFellenius(progress);
  }
  ASSERT_EQ(CalcStatus, 1);
  const std::string before = SavedModel();
  FakeLauncher launcher;
  EXPECT_EQ(PrnClick(), kProgramEnded);
  EXPECT_TRUE(SavedModel() == before) << "the model changed in printing";

  for (int order = 1; order <= FelleniusCircleSettings.HighestGridOrder; ++order) {
    SCOPED_TRACE(order);
    for (const char* pattern : {"SB_ANS%d0.PDT", "SB_ANS%d1.PDT", "SB_ANS%d2.PDT", "SB_ANS%d0.CSV",
                                "SB_ANS%d1.CSV", "SB_CH%d0.PFM", "SB_CI%d0.PFM", "SB_CG%d0.PFM"}) {
      char name[16];
      std::snprintf(name, sizeof name, pattern, order);
      EXPECT_TRUE(HasFile(name)) << name;
    }
  }
  EXPECT_TRUE(HasFile("SB_CHK01.PDT"));
  EXPECT_TRUE(HasFile("SB_CHK02.PDT"));
  EXPECT_EQ(launcher.started.size(), 1u);
}

}  // namespace
}  // namespace selvana
