// The partial readers: conditions, blocks or terrain taken from another project file into the
// current one, leaving the rest of the current project as it was.
#include <gtest/gtest.h>

#include "model/project_file.h"
#include "model/project_file_test_util.h"
#include "model/project_model.h"
#include "support/scripted_message_box.h"
#include "support/temp_folder.h"

namespace selvana::test {
namespace {

// The sample has 6 points, 6 lines and 1 block; the current project (the rich model) has 5, 4
// and 3, so every count shows which file it came from.
std::string Sample() { return std::string(SELVANA_SAMPLES) + "/HOMOGENEOUS"; }
std::string Fixture(const std::string& name) { return std::string(SELVANA_TEST_DATA) + "/" + name; }

class ProjectFilePartial : public ::testing::Test {
 protected:
  void SetUp() override {
    BuildRichModel();
    cm.ProjectFileName = "Current";
    DataModified = 0;
    CalcStatus = 1;
  }
  void ExpectMarkedModified() {
    EXPECT_EQ(1, DataModified);
    EXPECT_EQ(0, CalcStatus);
    EXPECT_EQ("Current", cm.ProjectFileName);
  }
};

TEST_F(ProjectFilePartial, ConditionsLeaveTablesNameAndDateAlone) {
  ASSERT_EQ(kReadOk, ReadProjectConditions(Sample()));
  EXPECT_EQ("Yamagami and Ueta 1988, modified Fellenius", cm.ProjectTitle);
  EXPECT_EQ(kMethodFellenius, cm.kt);
  EXPECT_EQ(0, cm.CohesionRefLine.Count);
  EXPECT_EQ(4.0, FelleniusCircleSettings.CentreX[0]);
  EXPECT_EQ(0, SheetPileSettings.RowCount);
  EXPECT_EQ(0, PartialFactors.Enabled);
  EXPECT_EQ(1, DrawSettings.DrawZeroCPhi);
  EXPECT_EQ(26, cm.CalcDateTime.Date[0]);
  EXPECT_EQ(5, PointCount);
  EXPECT_EQ(4, LineCount);
  EXPECT_EQ(3, BlockCount);
  ExpectMarkedModified();
}

TEST_F(ProjectFilePartial, BlocksLeaveConditionsAndTerrainAlone) {
  ASSERT_EQ(kReadOk, ReadProjectBlocks(Sample()));
  ASSERT_EQ(1, BlockCount);
  EXPECT_EQ(17.64, BlockTable[0].UnitWeight);
  EXPECT_EQ(kMethodBishop, cm.kt);
  EXPECT_EQ(3, cm.CohesionRefLine.Count);
  EXPECT_EQ(5, PointCount);
  EXPECT_EQ(4, LineCount);
  ExpectMarkedModified();
}

TEST_F(ProjectFilePartial, TerrainLeavesConditionsAndBlocksAlone) {
  ASSERT_EQ(kReadOk, ReadProjectTerrain(Sample()));
  EXPECT_EQ(6, PointCount);
  EXPECT_EQ(15.0, PointTable[3].X);
  EXPECT_EQ(6, LineCount);
  EXPECT_EQ(5, LineTable[4].P2);
  EXPECT_EQ(3, BlockCount);
  EXPECT_EQ(kMethodBishop, cm.kt);
  EXPECT_EQ(ToCp932("県道１２号　法面ﾁｪｯｸ"), cm.ProjectTitle);
  ExpectMarkedModified();
}

TEST_F(ProjectFilePartial, OlderFilesAreWalkedWithTheirVersionGates) {
  // Blocks of 17 lines and no counted rows in 2000; counted rows before the points in 2100.
  ResetProjectData();
  ASSERT_EQ(kReadOk, ReadProjectBlocks(Fixture("V2000")));
  ASSERT_EQ(3, BlockCount);
  EXPECT_EQ(1, BlockTable[2].FactorClass);
  EXPECT_EQ(1, BlockTable[1].SandPile);
  ASSERT_EQ(kReadOk, ReadProjectTerrain(Fixture("V2100")));
  EXPECT_EQ(5, PointCount);
  EXPECT_EQ(4, LineCount);
  EXPECT_EQ(0, cm.CohesionRefLine.Count);  // the conditions were not taken
}

TEST_F(ProjectFilePartial, ConditionsFromAnOldFileGetItsDefaults) {
  ASSERT_EQ(kReadOk, ReadProjectConditions(Fixture("V2000")));
  EXPECT_EQ(0, SheetPileSettings.Mode);  // the current pile does not survive
  EXPECT_EQ(0, PartialFactors.Enabled);
  EXPECT_EQ(1, cm.SeismicIncludesSurcharge);
  EXPECT_EQ(3, BlockTable[2].FactorClass);  // blocks untouched
}

TEST_F(ProjectFilePartial, PartialReadersStopAfterTheirSection) {
  // A file cut right after the drawing settings still gives whole conditions, and one cut
  // after the line that ends the line list whole terrain: neither reader reads further.
  TempFolder folder;
  EXPECT_EQ(kWriteOk, WriteProjectFile(folder / "W"));
  const auto lines = SplitCrLf(ReadBytes(folder / "W.SDW"));
  const auto points = std::find(lines.begin(), lines.end(), ToCp932("$   地形構成座標"));
  const auto blocks = std::find(lines.begin(), lines.end(), ToCp932("$   地形構成ブロック"));
  WriteBytes(folder / "C.SDW", JoinCrLf({lines.begin(), points}));
  WriteBytes(folder / "T.SDW", JoinCrLf({lines.begin(), blocks + 1}));
  cm.kt = 0;
  ASSERT_EQ(kReadOk, ReadProjectConditions(folder / "C"));
  EXPECT_EQ(kMethodBishop, cm.kt);
  PointCount = 0;
  ASSERT_EQ(kReadOk, ReadProjectTerrain(folder / "T"));
  EXPECT_EQ(5, PointCount);
}

// Unlike the full reader, a partial reader keeps what it cannot read: a field outside the lists
// stays as the current project has it (a list slot is replaced whole). The damage is told all
// the same.
TEST_F(ProjectFilePartial, DamagedValuesKeepTheCurrentValuesAndAreTold) {
  TempFolder folder;
  EXPECT_EQ(kWriteOk, WriteProjectFile(folder / "W"));
  auto lines = SplitCrLf(ReadBytes(folder / "W.SDW"));
  lines[11] = "three";    // the method
  lines[13] = "1e999,1";  // the seismic coefficient overflows, its switch is read
  *std::find(lines.begin(), lines.end(), "2,40.000000,10.000000") = "2,x,1e400";
  *std::find(lines.begin(), lines.end(), "10.000000,2.000000") = "1e999,x";  // a block's seed
  WriteBytes(folder / "D.SDW", JoinCrLf(lines));
  ScriptedMessageBox box;
  auto told = [&](const std::string& place, const char* value = "数値として読めない値") {
    return "斜面安定検討データファイル(" + folder / "D" + ".SDW) の" + place + "に" + value +
           "がありました。その値は読み込みませんでした。";
  };
  box.Expect(told("12行目「検討方法 修正ﾌｪﾚ(0) ﾁｪﾎﾞ法(1),ﾋﾞｼｮｯﾌﾟ法(2),直線すべり法(3)」"), "error");
  ASSERT_EQ(kReadOk, ReadProjectConditions(folder / "D"));
  EXPECT_EQ(kMethodBishop, cm.kt);
  EXPECT_EQ(0.15, cm.SeismicCoefficient);
  EXPECT_EQ(1, cm.SeismicIncludesSurcharge);
  // Counted through the conditions it does not store and the rows ended by a "$" line.
  box.Expect(told("181行目「点番号、Ｘ座標、Ｙ座標」"), "error");
  ASSERT_EQ(kReadOk, ReadProjectTerrain(folder / "D"));
  EXPECT_EQ(2, PointTable[2].Id);
  EXPECT_EQ(0.0, PointTable[2].X);
  // The first damaged field of the first damaged line says which of the two it was.
  box.Expect(told("192行目「地形構成ブロック」", "扱える範囲を超えた数値"), "error");
  ASSERT_EQ(kReadOk, ReadProjectBlocks(folder / "D"));
}

TEST_F(ProjectFilePartial, FailuresAreReportedLikeTheFullReader) {
  TempFolder folder;
  ScriptedMessageBox box;
  box.Expect("斜面安定検討データファイル(" + folder / "none" + ".SDW) が見つかりません。", "error");
  EXPECT_EQ(kReadCannotOpen, ReadProjectTerrain(folder / "none"));
  WriteBytes(folder / "OLD.SDW", "1999\r\n");
  box.Expect("(Error)データのバージョンが正しくありません", "error");
  EXPECT_EQ(kReadBadVersion, ReadProjectBlocks(folder / "OLD"));
  EXPECT_EQ(5, PointCount);
  EXPECT_EQ(3, BlockCount);
  EXPECT_EQ(0, DataModified);
}

}  // namespace
}  // namespace selvana::test
