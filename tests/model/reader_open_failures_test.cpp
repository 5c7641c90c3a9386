// Every file reader opens only regular files: a folder in a file's place gets the reader's own
// "not found" message, a file that may not be read gets "cannot be read", and neither changes
// the terrain.
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <vector>

#include "mainwin/settings_file.h"
#include "model/dxf_import.h"
#include "model/pile_factor_files.h"
#include "model/project_file.h"
#include "model/project_model.h"
#include "platform/program_folders.h"
#include "support/scripted_message_box.h"
#include "support/temp_folder.h"

namespace selvana {
namespace {

struct ReadAnyway : DxfSettingsPrompt {
  bool Ask(DxfImportSettings&) override { return true; }
};

struct Reader {
  const char* extension;
  const char* what;  // the file's kind in the reader's messages
  void (*read)(const std::string& base);
};

SheetPileSettingsRecord pile;
DrawSettingsRecord draw;
PartialFactorsRecord factors;

const Reader kReaders[] = {
    {".SDW", "斜面安定検討データファイル", [](const std::string& b) { ReadProjectFile(b); }},
    {".SDW", "斜面安定検討データファイル", [](const std::string& b) { ReadProjectTerrain(b); }},
    {".DXF", "地形ＤＸＦファイル",
     [](const std::string& b) {
       ReadAnyway p;
       ImportDxfTerrain(b, p);
     }},
    {".DAT", "矢板諸元インポートファイル",
     [](const std::string& b) { ReadSheetPileSpecFile(b, pile, draw); }},
    {".PAK", "部分安全係数ファイル",
     [](const std::string& b) { ReadPartialFactorFile(b, factors); }},
};

// A one-point terrain, unmodified: what a failed read must leave.
void MakeTerrain() {
  PointTable[0] = PointRecord{0, 1.0, 2.0};
  PointCount = 1;
  DataModified = 0;
}

bool TerrainKept() { return PointCount == 1 && PointTable[0].X == 1.0 && DataModified == 0; }

TEST(ReaderOpenFailures, AFolderInAFilesPlaceIsNotFound) {
  test::TempFolder folder;
  const std::string base = folder / "F";
  for (const Reader& reader : kReaders) {
    std::filesystem::create_directory(base + reader.extension);
    MakeTerrain();
    test::ScriptedMessageBox box;
    box.Expect(reader.what + ("(" + base + reader.extension + ") が見つかりません。"), "error");
    reader.read(base);
    EXPECT_TRUE(TerrainKept()) << reader.what;
  }
  // The settings file takes a folder as missing: a first start, without a message.
  std::filesystem::create_directory(folder / "DROVIK.ini");
  DataDir = "/kept/";
  EXPECT_EQ(ReadSettingsFile(folder / "DROVIK.ini"), 1);
  EXPECT_EQ(DataDir, "/kept/");
}

struct RecordingMessageBox : MessageBox {
  RecordingMessageBox() { InstallMessageBox(this); }
  MsgAnswer Show(const std::string& text, const std::string&, MsgButtons, MsgIcon) override {
    texts.push_back(text);
    return MsgAnswer::Ok;
  }
  std::vector<std::string> texts;
};

// Root reads any file whatever its permissions, so read runs in a child process that first
// becomes user "nobody"; the child ends with 0 when it showed exactly the expected message and
// left the terrain alone.
void ExpectUnreadable(const std::function<void()>& read, const std::string& expected) {
  EXPECT_EXIT(
      {
        const uid_t nobody = 65534;
        if (geteuid() == 0 && (setgroups(0, nullptr) || setgid(nobody) || setuid(nobody))) {
          std::_Exit(2);
        }
        RecordingMessageBox box;
        MakeTerrain();
        read();
        std::_Exit(box.texts == std::vector<std::string>{expected} && TerrainKept() ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "")
      << expected;
}

TEST(ReaderOpenFailures, AFileThatMayNotBeReadIsToldSo) {
  test::TempFolder folder;
  chmod(folder.path().c_str(), 0755);
  auto unreadable = [&](const std::string& name) {
    folder.Write(name, "2240\r\n");
    chmod((folder / name).c_str(), 0);
    return folder / name;
  };
  const std::string base = folder / "U";
  for (const Reader& reader : kReaders) {
    unreadable(std::string("U") + reader.extension);
    ExpectUnreadable([&] { reader.read(base); },
                     reader.what + ("(" + base + reader.extension + ") が読み込めません。"));
  }
  const std::string settings = unreadable("DROVIK.ini");
  ExpectUnreadable([&] { ReadSettingsFile(settings); },
                   "設定ファイル(" + settings + ") が読み込めません。");
}

}  // namespace
}  // namespace selvana
