// The project file writer: line layout and counts, CP932 comments, CR LF, the file name, long
// titles, and saves that fail without harming the previous file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "model/project_file.h"
#include "model/project_file_test_util.h"
#include "model/project_model.h"
#include "platform/file_lookup.h"
#include "support/scripted_message_box.h"
#include "support/temp_folder.h"

namespace selvana::test {
namespace {

class ProjectFileWrite : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return folder_ / name; }
  std::string Base(const std::string& name) const { return folder_ / name; }
  // Writes the model as base "P" and returns the file's bytes.
  std::string WriteAndLoad() {
    EXPECT_EQ(kWriteOk, WriteProjectFile(Base("P")));
    return ReadBytes(Path("P.SDW"));
  }
  TempFolder folder_;
};

TEST_F(ProjectFileWrite, EmptyProjectIs177CrLfLines) {
  const std::string bytes = WriteAndLoad();
  EXPECT_EQ(177, CountCrLf(bytes));
  EXPECT_EQ("\r\n", bytes.substr(bytes.size() - 2));
  // Every LF belongs to a CR LF.
  EXPECT_EQ(CountCrLf(bytes), static_cast<int>(std::count(bytes.begin(), bytes.end(), '\n')));
}

TEST_F(ProjectFileWrite, CommentsAreCp932Bytes) {
  const auto lines = SplitCrLf(WriteAndLoad());
  // "2240   $   バージョン番号"
  EXPECT_EQ("2240   $   \x83\x6F\x81\x5B\x83\x57\x83\x87\x83\x93\x94\xD4\x8D\x86", lines[0]);
  // "$   検討方法 修正ﾌｪﾚ(0) ..." keeps its half-width katakana as single bytes.
  EXPECT_EQ(0u, lines[10].find("$   \x8C\x9F\x93\xA2\x95\xFB\x96\x40 "
                               "\x8F\x43\x90\xB3\xCC\xAA\xDA(0)"));
  // "$   粘着力基準線　点数" with a full-width space (0x81 0x40).
  EXPECT_EQ(
      "$   \x94\x53\x92\x85\x97\xCD\x8A\xEE\x8F\x80\x90\xFC"
      "\x81\x40\x93\x5F\x90\x94",
      lines[30]);
}

TEST_F(ProjectFileWrite, NumbersUseDAndLfJoinedByCommas) {
  cm.kt = 4;
  cm.SeismicCoefficient = -0.125;
  cm.SeismicIncludesSurcharge = 0;
  const auto lines = SplitCrLf(WriteAndLoad());
  EXPECT_EQ("4", lines[11]);
  EXPECT_EQ("-0.125000,0", lines[13]);
  EXPECT_EQ("10000.000000", lines[34]);
}

TEST_F(ProjectFileWrite, LineCountGrowsWithEveryListedRow) {
  BuildRichModel();
  const int cohesion = 3, pileRows = 2, points = 5, lines = 4, blocks = 3;
  EXPECT_EQ(177 + cohesion + pileRows + points + lines + 18 * blocks, CountCrLf(WriteAndLoad()));
}

TEST_F(ProjectFileWrite, FourthLineIsTheBaseNameGiven) {
  ASSERT_EQ(kWriteOk, WriteProjectFile(Base("Name1")));
  EXPECT_EQ(Base("Name1"), SplitCrLf(ReadBytes(Path("Name1.SDW")))[3]);
}

TEST_F(ProjectFileWrite, SuccessSetsFileNameAndClearsModified) {
  DataModified = 1;
  CalcStatus = 1;
  WriteAndLoad();
  EXPECT_EQ(Base("P"), cm.ProjectFileName);
  EXPECT_EQ(0, DataModified);
  EXPECT_EQ(1, CalcStatus);  // a save keeps the results
}

TEST_F(ProjectFileWrite, NewFileGetsUpperCaseExtension) {
  WriteAndLoad();
  EXPECT_TRUE(FileExists(Path("P.SDW")));
  EXPECT_FALSE(FileExists(Path("P.sdw")));
}

TEST_F(ProjectFileWrite, ExistingLowerCaseFileIsReplacedInPlace) {
  WriteBytes(Path("low.sdw"), "old");
  ASSERT_EQ(kWriteOk, WriteProjectFile(Base("low")));
  EXPECT_EQ(177, CountCrLf(ReadBytes(Path("low.sdw"))));
  EXPECT_FALSE(FileExists(Path("low.SDW")));
}

TEST_F(ProjectFileWrite, LongTitleIsCutOnACharacterBoundary) {
  std::string title;
  for (int i = 0; i < 200; ++i) title += "\x8C\x9F";  // 400 bytes of double-byte characters
  cm.ProjectTitle = title;
  const auto lines = SplitCrLf(WriteAndLoad());
  EXPECT_EQ(title.substr(0, 254), lines[9]);  // 255 bytes would split a character
  EXPECT_EQ(177u, lines.size());
}

TEST_F(ProjectFileWrite, FailedSaveKeepsTheOldFileAndTheState) {
  cm.ProjectTitle = "first";
  WriteAndLoad();
  const std::string before = ReadBytes(Path("P.SDW"));
  // The temporary file cannot be created where a folder of its name stands.
  std::filesystem::create_directory(Path("P.SDW.saving"));
  cm.ProjectTitle = "second";
  cm.ProjectFileName = "Other";
  DataModified = 1;
  ScriptedMessageBox box;
  box.Expect("斜面安定検討データファイル(" + Base("P") + ".SDW) を保存できませんでした。", "error");
  EXPECT_EQ(kWriteFailed, WriteProjectFile(Base("P")));
  EXPECT_EQ(before, ReadBytes(Path("P.SDW")));
  EXPECT_EQ("Other", cm.ProjectFileName);
  EXPECT_EQ(1, DataModified);
}

TEST_F(ProjectFileWrite, UncreatableFileIsReportedNotSaved) {
  DataModified = 1;
  ScriptedMessageBox box;
  box.ExpectPrefix("斜面安定検討データファイル(", "error");
  EXPECT_EQ(kWriteFailed, WriteProjectFile(Base("no-such-folder/P")));
  EXPECT_EQ("", cm.ProjectFileName);
  EXPECT_EQ(1, DataModified);
}

TEST_F(ProjectFileWrite, NoTemporaryFileIsLeftBehind) {
  WriteAndLoad();
  const std::filesystem::directory_iterator files(folder_.path());
  EXPECT_EQ(1, std::distance(begin(files), end(files)));
}

}  // namespace
}  // namespace selvana::test
