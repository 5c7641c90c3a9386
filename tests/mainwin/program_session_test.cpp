// Start-up and close: the program folder and settings file at start, and the save prompt at
// close with each answer.
#include "mainwin/program_session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "mainwin/form_sizes.h"
#include "mainwin/recent_files.h"
#include "model/project_model.h"
#include "platform/file_lookup.h"
#include "platform/program_folders.h"
#include "support/scripted_message_box.h"
#include "support/temp_folder.h"

namespace selvana {
namespace {

using test::KeepCurrentDirectory;
using test::ScriptedMessageBox;
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

// Each answer to the save prompt at close: whether the program closes, how often it saved,
// whether the settings were written, and the change flag afterwards.
TEST_F(ProgramClose, EachAnswerClosesOrKeepsTheProgramOpen) {
  enum class Save { Succeeding, Failing, Missing };
  struct Case {
    const char* name;
    int modified;  // the change flag at close; 0 asks nothing
    MsgAnswer answer;
    Save save;
    bool closes;
    int saves;
    int modifiedAfter;  // -1: the model was reset
  };
  const Case cases[] = {
      {"unchanged_project_asks_nothing", 0, MsgAnswer::Cancel, Save::Succeeding, true, 0, -1},
      {"cancel_writes_nothing", 1, MsgAnswer::Cancel, Save::Succeeding, false, 0, 1},
      {"no_closes_without_saving", 1, MsgAnswer::No, Save::Succeeding, true, 0, -1},
      {"yes_saves_then_closes", 1, MsgAnswer::Yes, Save::Succeeding, true, 1, -1},
      {"yes_whose_save_fails", 1, MsgAnswer::Yes, Save::Failing, false, 0, 1},
      {"yes_without_a_save_command", 1, MsgAnswer::Yes, Save::Missing, false, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(dir.File("DROVIK.ini"));
    saves = 0;
    DataModified = c.modified;
    ScriptedMessageBox box;
    if (c.modified) box.Expect(kCloseQuestion, "確認", c.answer);
    std::function<bool()> save = SaveSucceeding();
    if (c.save == Save::Failing) save = [] { return false; };
    if (c.save == Save::Missing) save = nullptr;
    EXPECT_EQ(c.closes, EndProgramSession(save));
    EXPECT_EQ(c.saves, saves);
    EXPECT_EQ(c.closes, SettingsWritten());
    EXPECT_EQ(c.modifiedAfter, DataModified);
  }
}

}  // namespace
}  // namespace selvana
