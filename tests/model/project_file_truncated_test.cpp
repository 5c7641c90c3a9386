// Project files that end early, read over a project that already has terrain and blocks: the
// tables the file never reaches hold nothing afterwards, so no table of the previous project
// survives under the new file's name or beside the new file's points.
#include <gtest/gtest.h>

#include <algorithm>

#include "model/project_file.h"
#include "model/project_file_test_util.h"
#include "model/project_model.h"
#include "support/scripted_message_box.h"
#include "support/temp_folder.h"

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

TEST_F(ProjectFileTruncated, TablesTheFileNeverReachesHoldNothing) {
  struct Case {
    const char* name;
    int (*read)(const std::string&);
    int pointRows;  // lines kept after the first point row's start; -1: the first 60 lines
    int points, lines, blocks;
  };
  const Case cases[] = {
      {"full_read_ending_in_the_conditions", ReadProjectFile, -1, 0, 0, 0},
      {"full_read_ending_in_the_points", ReadProjectFile, 2, 2, 0, 0},
      // The old lines would join the new points at slots they never meant; the blocks are
      // not the terrain reader's.
      {"terrain_read_ending_in_the_points", ReadProjectTerrain, 3, 3, 0, 3},
      {"conditions_read_ending_early_leaves_the_tables", ReadProjectConditions, -1, 5, 4, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BuildRichModel();
    PutFirst(c.pointRows < 0 ? 60 : IndexOf("0,0.000000,0.000000") + c.pointRows);
    ScriptedMessageBox box;
    box.ExpectPrefix("斜面安定検討データファイル(", "error");
    ASSERT_EQ(kReadOk, c.read(Base("C")));
    EXPECT_EQ(c.points, PointCount);
    EXPECT_EQ(c.lines, LineCount);
    EXPECT_EQ(c.blocks, BlockCount);
  }
}

}  // namespace
}  // namespace selvana::test
