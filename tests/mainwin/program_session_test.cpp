// Start-up and close: the program folder and settings file at start, and the save prompt at
// close with each answer.
#include "mainwin/program_session.h"

#include <gtest/gtest.h>

#include "mainwin/form_sizes.h"
#include "platform/program_folders.h"
#include "mainwin/recent_files.h"
#include "support/temp_folder.h"
#include "model/project_model.h"
#include "platform/file_lookup.h"
#include "support/scripted_message_box.h"

namespace selvana {
namespace {

using test::ScriptedMessageBox;
using test::KeepCurrentDirectory;
using test::TempFolder;

class ProgramClose : public ::testing::Test {
 protected:
  void SetUp() override { ProgramDir = dir.Dir(); }
  bool SettingsWritten() const { return FileExists(dir.File("DROVIK.ini")); }

  KeepCurrentDirectory keep;
  TempFolder dir;
  int saves = 0;
  std::function<bool()> SaveSucceeding() {
    return [this] {
      ++saves;
      return true;
    };
  }
};

TEST(ProgramStart, TakesTheCurrentFolderAndReadsItsSettings) {
  KeepCurrentDirectory keep;
  TempFolder dir;
  dir.Write("DROVIK.ini", "/data/\r\n/data/A.SDW\r\n");
  ChangeDirectory(dir.Dir());
  DataModified = 1;
  StartProgramSession();
  EXPECT_EQ(ProgramDir, CurrentDirectory());
  EXPECT_EQ(ProgramDir.back(), '/');
  EXPECT_EQ(DataDir, "/data/");
  EXPECT_EQ(RecentFiles[0], "/data/A.SDW");
  EXPECT_EQ(DataModified, -1);  // a new project
}

TEST(ProgramStart, WithoutSettingsFileTheDataFolderIsTheProgramFolder) {
  KeepCurrentDirectory keep;
  TempFolder dir;
  ChangeDirectory(dir.Dir());
  StartProgramSession();
  EXPECT_EQ(DataDir, ProgramDir);
  EXPECT_EQ(FormSizes[kSlotCal].Width, 777);
}

TEST_F(ProgramClose, UnchangedProjectClosesWithoutAsking) {
  DataModified = 0;
  EXPECT_TRUE(EndProgramSession(SaveSucceeding()));
  EXPECT_EQ(saves, 0);
  EXPECT_TRUE(SettingsWritten());
}

TEST_F(ProgramClose, CancelKeepsTheProgramOpenAndWritesNothing) {
  DataModified = 1;
  ScriptedMessageBox box;
  box.Expect(kCloseQuestion, "確認", MsgAnswer::Cancel);
  EXPECT_FALSE(EndProgramSession(SaveSucceeding()));
  EXPECT_FALSE(SettingsWritten());
  EXPECT_EQ(DataModified, 1);
}

TEST_F(ProgramClose, NoClosesWithoutSaving) {
  DataModified = 1;
  ScriptedMessageBox box;
  box.Expect(kCloseQuestion, "確認", MsgAnswer::No);
  EXPECT_TRUE(EndProgramSession(SaveSucceeding()));
  EXPECT_EQ(saves, 0);
  EXPECT_TRUE(SettingsWritten());
  EXPECT_EQ(DataModified, -1);  // the model was reset
}

TEST_F(ProgramClose, YesSavesThenCloses) {
  DataModified = 1;
  ScriptedMessageBox box;
  box.Expect(kCloseQuestion, "確認", MsgAnswer::Yes);
  EXPECT_TRUE(EndProgramSession(SaveSucceeding()));
  EXPECT_EQ(saves, 1);
  EXPECT_TRUE(SettingsWritten());
}

TEST_F(ProgramClose, YesWhoseSaveFailsKeepsTheProgramOpen) {
  DataModified = 1;
  ScriptedMessageBox box;
  box.Expect(kCloseQuestion, "確認", MsgAnswer::Yes);
  EXPECT_FALSE(EndProgramSession([] { return false; }));
  EXPECT_FALSE(SettingsWritten());
  EXPECT_EQ(DataModified, 1);
}

TEST_F(ProgramClose, YesWithoutASaveCommandKeepsTheProgramOpen) {
  DataModified = 1;
  ScriptedMessageBox box;
  box.Expect(kCloseQuestion, "確認", MsgAnswer::Yes);
  EXPECT_FALSE(EndProgramSession(nullptr));
  EXPECT_FALSE(SettingsWritten());
}

}  // namespace
}  // namespace selvana
