// Project files that end early, read over a project that already has terrain and blocks: the
// tables the file never reaches hold nothing afterwards, so no table of the previous project
// survives under the new file's name or beside the new file's points.
#include <gtest/gtest.h>

#include <algorithm>

#include "model/project_file.h"
#include "model/project_file_test_util.h"
#include "model/project_model.h"
#include "support/temp_folder.h"
#include "support/scripted_message_box.h"

namespace selvana::test {
namespace {

class ProjectFileTruncated : public ::testing::Test {
 protected:
  void SetUp() override {
    BuildRichModel();
    ASSERT_EQ(kWriteOk, WriteProjectFile(Base("R")));
    lines_ = SplitCrLf(ReadBytes(folder_ / "R.SDW"));
  }
  std::string Base(const std::string& name) const { return folder_ / name; }
  // Writes the first keep lines of the rich file as "C"; the current model stays the rich one.
  void PutFirst(std::size_t keep) {
    WriteBytes(folder_ / "C.SDW", JoinCrLf({lines_.begin(), lines_.begin() + keep}));
  }
  std::size_t IndexOf(const std::string& line) const {
    return std::find(lines_.begin(), lines_.end(), line) - lines_.begin();
  }
  TempFolder folder_;
  std::vector<std::string> lines_;
};

TEST_F(ProjectFileTruncated, FullReadEndingInTheConditionsEmptiesEveryTable) {
  PutFirst(60);
  ScriptedMessageBox box;
  box.ExpectPrefix("斜面安定検討データファイル(", "error");
  ASSERT_EQ(kReadOk, ReadProjectFile(Base("C")));
  EXPECT_EQ(0, PointCount);
  EXPECT_EQ(0, LineCount);
  EXPECT_EQ(0, BlockCount);
}

TEST_F(ProjectFileTruncated, FullReadEndingInThePointsKeepsThemAndEmptiesTheRest) {
  PutFirst(IndexOf("0,0.000000,0.000000") + 2);  // two point rows
  ScriptedMessageBox box;
  box.ExpectPrefix("斜面安定検討データファイル(", "error");
  ASSERT_EQ(kReadOk, ReadProjectFile(Base("C")));
  EXPECT_EQ(2, PointCount);
  EXPECT_EQ(0, LineCount);
  EXPECT_EQ(0, BlockCount);
}

TEST_F(ProjectFileTruncated, TerrainReadEndingInThePointsLeavesNoOldLines) {
  // The old lines would join the new points at slots they never meant.
  PutFirst(IndexOf("0,0.000000,0.000000") + 3);
  ScriptedMessageBox box;
  box.ExpectPrefix("斜面安定検討データファイル(", "error");
  ASSERT_EQ(kReadOk, ReadProjectTerrain(Base("C")));
  EXPECT_EQ(3, PointCount);
  EXPECT_EQ(0, LineCount);
  EXPECT_EQ(3, BlockCount);  // not the terrain reader's
}

TEST_F(ProjectFileTruncated, ConditionsReadEndingEarlyLeavesTheTablesAlone) {
  PutFirst(60);
  ScriptedMessageBox box;
  box.ExpectPrefix("斜面安定検討データファイル(", "error");
  ASSERT_EQ(kReadOk, ReadProjectConditions(Base("C")));
  EXPECT_EQ(5, PointCount);
  EXPECT_EQ(4, LineCount);
  EXPECT_EQ(3, BlockCount);
}

}  // namespace
}  // namespace selvana::test
