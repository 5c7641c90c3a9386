// The help command: the help file of the program folder goes to the desktop's opener; a missing
// file or an opener that refuses it is told.
#include "mainwin/help_command.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/file_lookup.h"
#include "platform/program_folders.h"
#include "support/scratch_folder_test.h"
#include "support/scripted_message_box.h"

namespace selvana {
namespace {

class HelpCommand : public test::ProgramFolderTest {
 protected:
  std::vector<std::string> opened;
  DocumentOpener Opener(bool takes) {
    return [this, takes](const std::string& path) {
      opened.push_back(path);
      return takes;
    };
  }
};

TEST_F(HelpCommand, TheHelpFileIsOpenedFromTheProgramFolderWhateverTheCaseOfItsName) {
  std::ofstream("drovik220.CHM") << "help";
  ChangeDirectory("/");
  EXPECT_EQ(HelpDispClick(Opener(true)), kHelpOpened);
  EXPECT_EQ(opened, std::vector<std::string>{ProgramDir + "drovik220.CHM"});
  EXPECT_EQ(CurrentDirectory(), ProgramDir);
}

TEST_F(HelpCommand, AMissingHelpFileOrAnOpenerThatRefusesItIsTold) {
  test::ScriptedMessageBox box;
  box.Expect(
      "ヘルプファイル(DROVIK220.chm)がインストールされていません。\n"
      "次のフォルダに置くと開けます。\n" +
          ProgramDir,
      "メッセージ");
  EXPECT_EQ(HelpDispClick(Opener(true)), kHelpMissing);
  EXPECT_TRUE(opened.empty());

  std::ofstream("DROVIK220.chm") << "help";
  box.Expect("ヘルプファイル(DROVIK220.chm)を開くプログラムが見つかりませんでした。", "メッセージ");
  EXPECT_EQ(HelpDispClick(Opener(false)), kHelpNotOpened);
}

}  // namespace
}  // namespace selvana
