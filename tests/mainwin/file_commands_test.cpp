// The file commands driven whole, with scripted message boxes and file dialogs: the save
// prompt, new, open and recent files, the partial loads, the DXF import, save and save as, and
// the names the model cannot hold.
#include "mainwin/file_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "forms/pile_factor_imports.h"
#include "mainwin/file_commands_fakes.h"
#include "mainwin/main_menu.h"
#include "mainwin/program_session.h"
#include "mainwin/recent_files.h"
#include "mainwin/recording_menus.h"
#include "model/project_file.h"
#include "model/project_model.h"
#include "platform/file_lookup.h"
#include "platform/program_folders.h"
#include "support/scripted_message_box.h"
#include "support/temp_folder.h"
#include "view/view_test_support.h"

namespace selvana {
namespace {

using test::ScriptedMessageBox;

const char kUntitled[] = "Selvana for Windows (無題)";

void AddPoints(int count) {
  for (int i = 0; i < count; ++i) {
    const int slot = PointCount++;
    PointTable[slot] = {slot, 10.0 * i, 1.0 * i};
  }
}

class FileCommandsTest : public test::ViewFixture {
 protected:
  void SetUp() override {
    ViewFixture::SetUp();
    ProgramDir = dir.Dir();
    DataDir = dir.Dir();
    ChangeDirectory(DataDir);
  }

  // Writes a project with the given number of points as folder/base.SDW under the test folder
  // and returns its path; the model is then back to a new project.
  std::string WriteProject(const std::string& folder, const std::string& base, int points) {
    std::filesystem::create_directories(dir.File(folder));
    ChangeDirectory(dir.File(folder));
    ResetProjectData();
    AddPoints(points);
    EXPECT_EQ(kWriteOk, WriteProjectFile(base));
    ResetProjectData();
    ChangeDirectory(DataDir);
    return dir.Dir() + folder + "/" + base + ".SDW";
  }

  // A modified, untitled project of two points.
  static void ModifiedProject() {
    AddPoints(2);
    DataModified = 1;
  }

  // Names the project "Blocked" and puts a folder where its file goes: saving it fails.
  void BlockSaving() {
    cm.ProjectFileName = "Blocked";
    std::filesystem::create_directory(dir.File("Blocked.SDW"));
  }
  static constexpr char kBlockedSaveMessage[] =
      "斜面安定検討データファイル(Blocked.SDW) を保存できませんでした。";

  // Answers the question whether to save the changed project first.
  void AnswerClose(MsgAnswer answer) {
    box.Expect("データが変更されています。保存終了しますか？", "確認", answer);
  }

  test::TempFolder dir;
  test::KeepCurrentDirectory keep;  // destroyed before the folder is removed
  test::ScriptedFileDialog files;
  test::CountingPrinterDialog printer;
  test::AnsweringDxfPrompt dxf;
  test::RecordingRecentFilesMenu recentMenu;
  test::CaptionRecorder window;
  std::vector<std::string>& captions = window.captions;
  FileCommands commands{{files, printer, dxf, window}};
  ScriptedMessageBox box;  // a box the test did not ask for fails it
};

// --- The save prompt and a new project ---

TEST_F(FileCommandsTest, NewWithCancelKeepsEverything) {
  ModifiedProject();
  AnswerClose(MsgAnswer::Cancel);
  commands.New_DataClick();
  EXPECT_EQ(2, PointCount);
  EXPECT_EQ(1, DataModified);
  EXPECT_TRUE(captions.empty());
}

TEST_F(FileCommandsTest, NewWithNoResetsTheProjectAndBlackensTheView) {
  ModifiedProject();
  AnswerClose(MsgAnswer::No);
  canvas.Clear();
  commands.New_DataClick();
  EXPECT_EQ(0, PointCount);
  EXPECT_EQ(-1, DataModified);
  EXPECT_EQ(std::vector<std::string>{kUntitled}, captions);
  ASSERT_FALSE(canvas.Calls().empty());
  EXPECT_EQ("fill 0 0 200 100 #000000", canvas.Calls().back());
}

TEST_F(FileCommandsTest, UnchangedProjectIsReplacedWithoutAsking) {
  AddPoints(2);
  DataModified = 0;
  commands.New_DataClick();  // any box would fail the test
  EXPECT_EQ(0, PointCount);
}

TEST_F(FileCommandsTest, YesSavesANamedProjectBeforeGoingOn) {
  AddPoints(2);
  ASSERT_EQ(kWriteOk, WriteProjectFile("Named"));
  AddPoints(1);
  DataModified = 1;
  AnswerClose(MsgAnswer::Yes);
  commands.New_DataClick();
  EXPECT_EQ(0, PointCount);
  ResetProjectData();
  ASSERT_EQ(kReadOk, ReadProjectFile("Named"));
  EXPECT_EQ(3, PointCount);  // the save wrote the third point before the reset
}

TEST_F(FileCommandsTest, YesWithCancelledSaveAsStopsTheOpen) {
  ModifiedProject();
  AnswerClose(MsgAnswer::Yes);
  files.Answer("");  // the save-as dialog is cancelled; no open dialog may follow
  commands.OpenClick();
  ASSERT_EQ(1u, files.shown.size());
  EXPECT_EQ("save", files.shown[0].kind);
  EXPECT_EQ(2, PointCount);
  EXPECT_EQ(1, DataModified);
}

TEST_F(FileCommandsTest, YesWithFailedSaveStopsTheNewProject) {
  ModifiedProject();
  BlockSaving();
  AnswerClose(MsgAnswer::Yes);
  box.Expect(kBlockedSaveMessage, "error");
  commands.New_DataClick();
  EXPECT_EQ(2, PointCount);
  EXPECT_EQ(1, DataModified);
}

// --- Save and save as ---

TEST_F(FileCommandsTest, FirstSaveGoesThroughSaveAsAndLaterSavesWriteSilently) {
  ModifiedProject();
  files.Answer(dir.Dir() + "Slope.SDW");
  EXPECT_TRUE(commands.SaveClick());
  EXPECT_EQ("Slope", cm.ProjectFileName);
  EXPECT_EQ(0, DataModified);
  EXPECT_EQ(std::vector<std::string>{"Selvana for Windows (Slope)"}, captions);
  EXPECT_EQ(dir.Dir() + "Slope.SDW", RecentFiles[0]);

  AddPoints(1);
  DataModified = 1;
  EXPECT_TRUE(commands.SaveClick());  // no dialog scripted: none may be shown
  EXPECT_EQ(1u, files.shown.size());
  EXPECT_EQ(0, DataModified);
  ResetProjectData();
  ASSERT_EQ(kReadOk, ReadProjectFile("Slope"));
  EXPECT_EQ(3, PointCount);
}

TEST_F(FileCommandsTest, SaveWritesIntoTheDataFolderWhateverTheCurrentDirectory) {
  std::filesystem::create_directory(dir.File("elsewhere"));
  AddPoints(2);
  cm.ProjectFileName = "Kept";
  DataModified = 1;
  ChangeDirectory(dir.File("elsewhere"));
  EXPECT_TRUE(commands.SaveClick());
  EXPECT_TRUE(FileExists(dir.File("Kept.SDW")));
  EXPECT_FALSE(FileExists(dir.File("elsewhere/Kept.SDW")));
}

TEST_F(FileCommandsTest, SaveAfterASheetPileImportWritesBackToTheProjectsOwnFile) {
  struct Case {
    const char* name;
    bool savedAs;  // the project's file came from a save as rather than an open
  };
  for (const Case c : {Case{"opened", false}, Case{"saved as", true}}) {
    SCOPED_TRACE(c.name);
    const std::string own = WriteProject("A", "HOMOGENEOUS", 2);
    WriteProject("B", "HOMOGENEOUS", 5);
    dir.Write("B/EXP_ENK1.DAT", "3.0\r\n-4.0\r\n150.0\r\n0.8\r\n");
    if (c.savedAs) {
      AddPoints(2);
      files.Answer(own);
      ASSERT_TRUE(commands.SaveAsClick());
    } else {
      files.Answer(own);
      commands.OpenClick();
    }
    SheetPileSettingsRecord pile = SheetPileSettings;
    DrawSettingsRecord draw = DrawSettings;
    files.Answer(dir.File("B/EXP_ENK1.DAT"));
    ASSERT_TRUE(ImportSheetPileFile(files, pile, draw));
    EXPECT_EQ(dir.Dir() + "B/", DataDir) << "the next file dialog opens where the import was";
    AddPoints(1);
    DataModified = 1;
    EXPECT_TRUE(commands.SaveClick());
    EXPECT_EQ(0, DataModified);
    EXPECT_EQ(DataDir, CurrentDirectory());
    EXPECT_EQ("Selvana for Windows (HOMOGENEOUS)", captions.back());
    EXPECT_EQ(own, RecentFiles[0]);
    for (const auto& [folder, points] : {std::pair{"A", 3}, std::pair{"B", 5}}) {
      ChangeDirectory(dir.File(folder));
      ResetProjectData();
      ASSERT_EQ(kReadOk, ReadProjectFile("HOMOGENEOUS"));
      EXPECT_EQ(points, PointCount) << folder;
    }
    ResetProjectData();
    DataDir = dir.Dir();
    ChangeDirectory(DataDir);
  }
}

TEST_F(FileCommandsTest, FailedSaveKeepsTheProjectModified) {
  ModifiedProject();
  BlockSaving();
  box.Expect(kBlockedSaveMessage, "error");
  EXPECT_FALSE(commands.SaveClick());
  EXPECT_EQ(1, DataModified);
}

TEST_F(FileCommandsTest, SaveAsMovesTheDataFolderToTheChosenOne) {
  std::filesystem::create_directory(dir.File("projects"));
  ModifiedProject();
  files.Answer(dir.Dir() + "projects/Bank.SDW");
  EXPECT_TRUE(commands.SaveAsClick());
  EXPECT_EQ(dir.Dir() + "projects/", DataDir);
  EXPECT_EQ(DataDir, CurrentDirectory());
  EXPECT_TRUE(FileExists(dir.File("projects/Bank.SDW")));
  const FileDialogRequest& asked = files.shown[0].request;
  EXPECT_EQ("データファイルを名前を付けて保存する", asked.Title);
  EXPECT_EQ(dir.Dir(), asked.InitialDir);
  EXPECT_EQ("SDW", asked.DefaultExtension);
}

TEST_F(FileCommandsTest, FailedSaveAsKeepsFolderCaptionAndRecentFiles) {
  ModifiedProject();
  files.Answer(dir.Dir() + "missing/Bank.SDW");
  box.Expect("フォルダ(" + dir.Dir() + "missing/) が見つかりません。", "error");
  EXPECT_FALSE(commands.SaveAsClick());
  EXPECT_EQ(dir.Dir(), DataDir);
  EXPECT_TRUE(captions.empty());
  EXPECT_TRUE(RecentFiles[0].empty());
  EXPECT_EQ(1, DataModified);
}

TEST_F(FileCommandsTest, NamesTheModelCannotHoldAreRefused) {
  struct Case {
    const char* name;
    std::string fileName;
    const char* told;  // after "ファイル名(<file name>)"
  };
  const char* kTooLong = " が長すぎます。255バイト以内の名前にしてください。";
  const char* kNotCp932 = " に使えない文字が含まれています。";
  const Case cases[] = {
      {"longer_than_255_bytes", std::string(256, 'a') + ".SDW", kTooLong},
      {"character_outside_cp932", "斜面\xF0\x9F\x98\x80.SDW", kNotCp932},
      // CP932 holds the minus sign only as the full-width hyphen-minus, so the project would
      // be written under another name than the one chosen.
      {"character_cp932_spells_otherwise", "A\u2212B.SDW", kNotCp932},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ModifiedProject();
    files.Answer(dir.Dir() + c.fileName);
    box.Expect("ファイル名(" + c.fileName + ")" + c.told, "error");
    EXPECT_FALSE(commands.SaveAsClick());
    EXPECT_TRUE(cm.ProjectFileName.empty());
    EXPECT_EQ(1, DataModified);
  }
}

// --- Open and the recent files ---

TEST_F(FileCommandsTest, OpenReadsFromTheChosenFolderWhichBecomesTheDataFolder) {
  const std::string path = WriteProject("site", "Dam", 4);
  files.Answer(path);
  commands.OpenClick();
  EXPECT_EQ(4, PointCount);
  EXPECT_EQ(0, DataModified);
  EXPECT_EQ(dir.Dir() + "site/", DataDir);
  EXPECT_EQ(DataDir, CurrentDirectory());
  EXPECT_EQ(std::vector<std::string>{"Selvana for Windows (Dam)"}, captions);
  EXPECT_EQ(path, RecentFiles[0]);
  EXPECT_EQ(path + " (&1)", recentMenu.captions[0]);
  const FileDialogRequest& asked = files.shown[0].request;
  EXPECT_EQ("データファイルを開く", asked.Title);
  EXPECT_EQ(dir.Dir(), asked.InitialDir);
  EXPECT_EQ("斜面安定検討ファイル(*.SDW)", asked.FilterName);
  EXPECT_EQ("SDW", asked.FilterExtension);
}

TEST_F(FileCommandsTest, OpenOfANameCp932SpellsOtherwiseIsRefused) {
  const std::string path = dir.Dir() + "A\u2212B.SDW";
  std::filesystem::rename(WriteProject("", "Plain", 4), path);
  files.Answer(path);
  box.Expect("ファイル名(A\u2212B.SDW) に使えない文字が含まれています。", "error");
  commands.OpenClick();
  EXPECT_EQ(0, PointCount);
  EXPECT_TRUE(captions.empty());
  EXPECT_TRUE(RecentFiles[0].empty());
}

TEST_F(FileCommandsTest, OpenFindsALowerCaseExtension) {
  const std::string path = WriteProject("site", "Dam", 3);
  std::filesystem::rename(path, dir.File("site/Dam.sdw"));
  files.Answer(dir.File("site/Dam.sdw"));
  commands.OpenClick();
  EXPECT_EQ(3, PointCount);
}

TEST_F(FileCommandsTest, FailedOpenKeepsFolderCaptionAndRecentFiles) {
  std::filesystem::create_directory(dir.File("other"));
  RecentFiles[0] = "/kept/A.SDW";
  dir.Write("other/Old.SDW", "1999\r\n");
  struct Case {
    const char* name;
    std::string path;
    std::string message;
  };
  const Case cases[] = {
      {"missing_file", dir.Dir() + "other/Gone.SDW",
       "斜面安定検討データファイル(Gone.SDW) が見つかりません。"},
      {"version_outside_range", dir.Dir() + "other/Old.SDW",
       "(Error)データのバージョンが正しくありません"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    files.Answer(c.path);
    box.Expect(c.message, "error");
    commands.OpenClick();
    EXPECT_EQ(dir.Dir(), DataDir);
    EXPECT_EQ(DataDir, CurrentDirectory());
    EXPECT_TRUE(captions.empty());
    EXPECT_EQ("/kept/A.SDW", RecentFiles[0]);
    EXPECT_TRUE(RecentFiles[1].empty());
  }
}

TEST_F(FileCommandsTest, CancelledOpenDialogChangesNothing) {
  files.Answer("");
  commands.OpenClick();
  EXPECT_EQ(dir.Dir(), DataDir);
  EXPECT_TRUE(captions.empty());
}

TEST_F(FileCommandsTest, RecentFileOpensAndMovesToTheTop) {
  const std::string path = WriteProject("site", "Levee", 5);
  RecentFiles = {"/a/A.SDW", "/b/B.SDW", path, "", ""};
  commands.RecentFileClick(2);
  EXPECT_EQ(5, PointCount);
  EXPECT_EQ(dir.Dir() + "site/", DataDir);
  EXPECT_EQ((std::array<std::string, kRecentFileCount>{path, "/a/A.SDW", "/b/B.SDW", "", ""}),
            RecentFiles);
}

TEST_F(FileCommandsTest, RecentFileThatHasGoneStaysListed) {
  RecentFiles = {"/a/A.SDW", dir.Dir() + "Gone.SDW", "", "", ""};
  box.Expect("斜面安定検討データファイル(Gone.SDW) が見つかりません。", "error");
  commands.RecentFileClick(1);
  EXPECT_EQ(dir.Dir() + "Gone.SDW", RecentFiles[1]);
}

TEST_F(FileCommandsTest, RecentFileOpensTheClickedFileEvenWhenTheSaveBeforeMovesTheList) {
  const std::string clicked = WriteProject("site", "Levee", 5);
  RecentFiles = {clicked, "", "", "", ""};
  ModifiedProject();
  AnswerClose(MsgAnswer::Yes);
  files.Answer(dir.Dir() + "Saved.SDW");  // the untitled project goes through save as first
  commands.RecentFileClick(0);
  EXPECT_EQ("Levee", cm.ProjectFileName);
  EXPECT_EQ(5, PointCount);
  EXPECT_EQ(clicked, RecentFiles[0]);
  EXPECT_EQ(dir.Dir() + "Saved.SDW", RecentFiles[1]);
}

// --- Partial loads ---

TEST_F(FileCommandsTest, PartialLoadKeepsFolderCaptionAndRecentFilesAndMarksModified) {
  const std::string path = WriteProject("other", "Source", 6);
  AddPoints(2);
  DataModified = 1;  // no save prompt for a partial load: any box would fail the test
  RecentFiles[0] = "/kept/A.SDW";
  files.Answer(path);
  commands.TikeiClick();
  EXPECT_EQ(6, PointCount);
  EXPECT_EQ(1, DataModified);
  EXPECT_EQ(dir.Dir(), DataDir);
  EXPECT_EQ(DataDir, CurrentDirectory());
  EXPECT_TRUE(captions.empty());
  EXPECT_EQ("/kept/A.SDW", RecentFiles[0]);
  EXPECT_TRUE(cm.ProjectFileName.empty());
  EXPECT_EQ("地形データを読み込む", files.shown[0].request.Title);
}

TEST_F(FileCommandsTest, EachPartialLoadAsksWithItsOwnTitle) {
  const std::string path = WriteProject("other", "Source", 1);
  files.Answer(path).Answer(path);
  commands.JokenClick();
  commands.BlockClick();
  EXPECT_EQ("条件データを読み込む", files.shown[0].request.Title);
  EXPECT_EQ("ブロックデータを読み込む", files.shown[1].request.Title);
  EXPECT_EQ(1, DataModified);
}

// --- DXF import ---

class DxfCommand : public FileCommandsTest {
 protected:
  static constexpr char kReplaceQuestion[] =
      "現在の地形データを削除して指定したＤＸＦファイルで置き換えます。";
  // One LINE from (0, 0) to (10, 5).
  std::string WriteDxf() {
    std::filesystem::create_directory(dir.File("cad"));
    dir.Write("cad/Terrain.dxf",
              "0\nSECTION\n0\nLINE\n10\n0.0\n20\n0.0\n11\n10.0\n21\n5.0\n0\nENDSEC\n0\nEOF\n");
    return dir.File("cad/Terrain.dxf");
  }
};

TEST_F(DxfCommand, EmptyTerrainAsksNothingBeforeTheDialog) {
  files.Answer(WriteDxf());
  commands.DxfClick();
  EXPECT_EQ(1, dxf.asked);
  EXPECT_EQ(2, PointCount);
  EXPECT_EQ(1, LineCount);
  EXPECT_EQ(dir.Dir(), DataDir);
  EXPECT_EQ(DataDir, CurrentDirectory());
  const FileDialogRequest& asked = files.shown[0].request;
  EXPECT_EQ("地形データ(DXF)を読み込む", asked.Title);
  EXPECT_EQ("地形ＣＡＤファイル(*.DXF)", asked.FilterName);
  EXPECT_EQ("DXF", asked.DefaultExtension);
}

TEST_F(DxfCommand, NoToTheReplaceQuestionEndsTheCommand) {
  AddPoints(3);
  box.Expect(kReplaceQuestion, "確認", MsgAnswer::No);
  commands.DxfClick();  // no file dialog scripted: none may be shown
  EXPECT_EQ(3, PointCount);
}

TEST_F(DxfCommand, YesReplacesTheTerrain) {
  AddPoints(3);
  files.Answer(WriteDxf());
  box.Expect(kReplaceQuestion, "確認", MsgAnswer::Yes);
  commands.DxfClick();
  EXPECT_EQ(2, PointCount);
  EXPECT_EQ(1, DataModified);
}

// --- Registration and the printer ---

TEST_F(FileCommandsTest, RegisteredCommandsRunTheirHandlers) {
  CommandTable table;
  commands.Register(table);
  for (MainCommand c :
       {MainCommand::New_Data, MainCommand::Open, MainCommand::F, MainCommand::Joken,
        MainCommand::Block, MainCommand::Tikei, MainCommand::Dxf, MainCommand::Save,
        MainCommand::SaveAs, MainCommand::DefPrt}) {
    EXPECT_TRUE(table.IsBuilt(c)) << MainCommandName(c);
  }
  table.Run(MainCommand::DefPrt);
  EXPECT_EQ(1, printer.shown);
}

// The printer command says why no default printer was set; a choice or a cancel says nothing.
TEST_F(FileCommandsTest, PrinterSetUpTellsWhyNoneWasSet) {
  const std::string failed = "標準のプリンターを設定できませんでした。";
  const struct {
    PrinterChoice choice;
    std::string message;  // empty: no box
  } cases[] = {
      {PrinterChoice::Chosen, ""},
      {PrinterChoice::Cancelled, ""},
      {PrinterChoice::NoPrinter, failed + "\nプリンターがインストールされていません。"},
      {PrinterChoice::NotSet, failed},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.choice));
    if (!c.message.empty()) box.Expect(c.message, "error");
    const int before = box.shown();
    printer.answer = c.choice;
    commands.DefPrtClick();
    EXPECT_EQ(before + (c.message.empty() ? 0 : 1), box.shown());
  }
}

TEST_F(FileCommandsTest, CloseWithYesAndCancelledSaveAsKeepsTheProgramOpen) {
  CommandTable table;
  commands.Register(table);
  ModifiedProject();
  files.Answer("");
  AnswerClose(MsgAnswer::Yes);
  EXPECT_FALSE(EndProgramSession(table.SaveProject));
  EXPECT_FALSE(FileExists(dir.File("DROVIK.ini")));
}

}  // namespace
}  // namespace selvana
