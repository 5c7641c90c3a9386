// Every file reader opens only regular files: a folder in a file's place gets the reader's own
// "not found" message, a file that may not be read gets "cannot be read", and neither changes
// the model.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <grp.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
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

using test::TempFolder;

class ReadAnyway : public DxfSettingsPrompt {
 public:
  bool Ask(DxfImportSettings&) override { return true; }
};

struct Reader {
  const char* name;
  const char* extension;
  const char* what;  // the file's kind in the reader's messages
  std::function<void(const std::string& base)> read;
};

const std::vector<Reader>& Readers() {
  static SheetPileSettingsRecord pile;
  static DrawSettingsRecord draw;
  static PartialFactorsRecord factors;
  static ReadAnyway prompt;
  static const std::vector<Reader> readers = {
      {"project", ".SDW", "斜面安定検討データファイル", [](auto& b) { ReadProjectFile(b); }},
      {"terrain", ".SDW", "斜面安定検討データファイル", [](auto& b) { ReadProjectTerrain(b); }},
      {"dxf", ".DXF", "地形ＤＸＦファイル", [](auto& b) { ImportDxfTerrain(b, prompt); }},
      {"pile", ".DAT", "矢板諸元インポートファイル",
       [](auto& b) { ReadSheetPileSpecFile(b, pile, draw); }},
      {"factors", ".PAK", "部分安全係数ファイル",
       [](auto& b) { ReadPartialFactorFile(b, factors); }},
  };
  return readers;
}

// A small terrain that a failed read must leave as it is.
void MakeTerrain() {
  PointTable[0] = PointRecord{0, 1.0, 2.0};
  PointCount = 1;
  DataModified = 0;
}

void ExpectTerrainKept(const char* reader) {
  EXPECT_EQ(PointCount, 1) << reader;
  EXPECT_EQ(PointTable[0].X, 1.0) << reader;
  EXPECT_EQ(DataModified, 0) << reader;
}

TEST(ReaderOpenFailures, AFolderInAFilesPlaceIsNotFound) {
  TempFolder folder;
  for (const Reader& reader : Readers()) {
    const std::string base = folder / "F";
    std::filesystem::create_directory(base + reader.extension);
    MakeTerrain();
    test::ScriptedMessageBox box;
    box.Expect(std::string(reader.what) + "(" + base + reader.extension + ") が見つかりません。",
               "error");
    reader.read(base);
    ExpectTerrainKept(reader.name);
    std::filesystem::remove(base + reader.extension);
  }
}

TEST(ReaderOpenFailures, AFolderInTheSettingsFilesPlaceIsAFirstStart) {
  TempFolder folder;
  std::filesystem::create_directory(folder / "DROVIK.ini");
  DataDir = "/kept/";
  EXPECT_EQ(ReadSettingsFile(folder / "DROVIK.ini"), 1);  // silently, as a missing file
  EXPECT_EQ(DataDir, "/kept/");
}

// Collects the texts of the boxes shown.
class RecordingMessageBox : public MessageBox {
 public:
  RecordingMessageBox() { InstallMessageBox(this); }
  MsgAnswer Show(const std::string& text, const std::string&, MsgButtons, MsgIcon) override {
    texts.push_back(text);
    return MsgAnswer::Ok;
  }
  std::vector<std::string> texts;
};

// Root reads any file whatever its permissions: in a child process the test gives them up
// (becoming "nobody") before it tries.
void BecomeOrdinaryUser() {
  if (geteuid() != 0) return;
  const uid_t nobody = 65534;
  if (setgroups(0, nullptr) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0) std::_Exit(90);
}

// Runs read in a child process as an ordinary user; the child ends with 0 when it showed
// exactly the expected message and left the terrain alone.
void ExpectUnreadable(const std::function<void()>& read, const std::string& expected) {
  EXPECT_EXIT(
      {
        BecomeOrdinaryUser();
        RecordingMessageBox box;
        MakeTerrain();
        read();
        const bool told = box.texts == std::vector<std::string>{expected};
        std::_Exit(told && PointCount == 1 && DataModified == 0 ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "")
      << expected;
}

// A folder the ordinary user may enter, holding a file of the given name that nobody may read.
std::string UnreadableFile(const TempFolder& folder, const std::string& name) {
  chmod(folder.path().c_str(), 0755);
  folder.Write(name, "2240\r\n");
  chmod((folder / name).c_str(), 0);
  return folder / name;
}

TEST(ReaderOpenFailures, AFileThatMayNotBeReadIsToldSo) {
  TempFolder folder;
  for (const Reader& reader : Readers()) {
    const std::string base = folder / "U";
    UnreadableFile(folder, std::string("U") + reader.extension);
    ExpectUnreadable([&] { reader.read(base); },
                     std::string(reader.what) + "(" + base + reader.extension + ") が読み込めません。");
  }
  const std::string settings = UnreadableFile(folder, "DROVIK.ini");
  ExpectUnreadable([&] { ReadSettingsFile(settings); },
                   "設定ファイル(" + settings + ") が読み込めません。");
}

}  // namespace
}  // namespace selvana
