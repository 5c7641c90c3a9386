// The input check lists: one whole list against its golden file, and the rules of its tables
// and sections case by case.
#include "output/check_list.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/test_model_builder.h"
#include "model/design_copy.h"
#include "model/partial_factors.h"
#include "model/project_model.h"
#include "output/output_test_support.h"
#include "support/calculated_sample.h"
#include "support/scratch_folder_test.h"

namespace selvana {
namespace {

using test::ReadOutput;

class CheckList : public test::ScratchFolderTest {
 protected:
  // A 10 m square of boundary lines with one soil block, seven points in slots 0..8 (3 and 5
  // free), an uncut line, a surcharge, a force and the Bishop search with a pass point.
  static void SquareProject() {
    cm.CalcDateTime.Date = {26, 12, 7, 0};
    cm.CalcDateTime.Time = {9, 5, 30, 0};
    cm.ProjectFileName = "SLOPE1";
    cm.ProjectTitle = "CHECK SLOPE";
    cm.kt = kMethodBishop;
    cm.SeismicCoefficient = 0.15;
    cm.Surcharges.XMin[0] = 1;
    cm.Surcharges.XMax[0] = 3;
    cm.Surcharges.LoadAtXMin[0] = 10;
    cm.Surcharges.LoadAtXMax[0] = 20;
    cm.HorizontalForces.Y[0] = 2;
    cm.HorizontalForces.H[0] = 5;
    cm.SafetyTableFormat = 1;
    cm.AllowableSafetyFactor = 1.2;
    cm.CohesionRefHeight = 3.5;
    BishopCircleSettings = {1, {0, 10, 1}, {12, 20, 2}, {5, 15, 1}, 2, 3, 1, 1, 5.0, 0.0};
    SheetPileSettings.TopElevation = 5;  // a pile, but not listed for Bishop
    test::SetPoint(0, 0, 0);
    test::SetPoint(1, 10, 0);
    test::SetPoint(2, 10, 10);
    test::SetPoint(4, 0, 10);
    test::SetPoint(6, 2, 3);
    test::SetPoint(7, 8, 3);
    test::SetPoint(8, 4, 8);
    test::AddTestLine(kLineBoundary, 0, 1);
    test::AddTestLine(kLineBoundary, 1, 2);
    test::AddTestLine(kLineBoundary, 2, 4);
    test::AddTestLine(kLineBoundary, 0, 4);
    test::AddTestLine(kLineUncut, 6, 7);
    BlockTable[0] = BlockRecord{};
    BlockTable[0].Number = 0;
    BlockTable[0].SeedX = 5;
    BlockTable[0].SeedY = 2;
    BlockTable[0].UnitWeight = 18;
    BlockTable[0].EffectiveUnitWeight = 9;
    BlockTable[0].Cohesion = 10;
    BlockTable[0].FrictionAngle = 30;
    BlockTable[0].FactorClass = 2;
    BlockCount = 1;
  }
};

TEST_F(CheckList, SquareProjectMatchesItsGoldenFile) {
  SquareProject();
  ASSERT_EQ(WriteCheckList(0), 0);
  test::ExpectGoldenFile("check_list", "SB_CHK01.PDT");
}

TEST_F(CheckList, ProjectWithoutPointsOrLinesStillWritesOneEmptyRowEach) {
  ASSERT_EQ(WriteCheckList(0), 0);
  const std::string list = ReadOutput("SB_CHK01.PDT");
  EXPECT_NE(list.find("$0  SB_CHK01.PFM\n$0  SB_CHK02.PFM\n$H  SB_CHK04.PFM\n$H  SB_CHK00.PFM\n"
                      "$0  SB_CHK11.PFM\n$0  SB_CHK12.PFM\n$H  SB_CHK14.PFM\n"),
            std::string::npos);
}

TEST_F(CheckList, PileIsListedForFelleniusOnlyWhenItsTopIsAboveItsEmbedment) {
  const struct {
    int kt;
    double top;
    bool listed;
  } cases[] = {
      {0, 5.0, true}, {1, 0.0001, false}, {1, 0.00011, true}, {2, 5.0, false}, {5, 5.0, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kt);
    cm.kt = c.kt;
    SheetPileSettings.TopElevation = c.top;
    SheetPileSettings.RowCount = 4;
    ASSERT_EQ(WriteCheckList(0), 0);
    const std::string list = ReadOutput("SB_CHK01.PDT");
    EXPECT_EQ(list.find("$0  SB_CHK41.PFM") != std::string::npos, c.listed);
    if (c.listed) {
      // Four rows in two rows of the table: 0 and 2, then 1 and 3.
      EXPECT_NE(list.find("$0  SB_CHK42.PFM\n$0  SB_CHK02.PFM\n00    0\n01     0.000\n02     "
                          "0.000\n03    2\n"),
                std::string::npos);
    }
  }
}

TEST_F(CheckList, OutlineOfSixteenPointsTakesTwoRows) {
  // A 16-gon of boundary lines around the block's seed.
  for (int i = 0; i < 16; ++i) {
    const double a = i * 2 * M_PI / 16;
    test::SetPoint(i, 10 * std::cos(a), 10 * std::sin(a));
    test::AddTestLine(kLineBoundary, i, (i + 1) % 16);
  }
  BlockTable[0].Number = 0;
  BlockCount = 1;
  ASSERT_EQ(WriteCheckList(0), 0);
  const std::string list = ReadOutput("SB_CHK01.PDT");
  EXPECT_NE(list.find("12   16\n"), std::string::npos);
  const std::size_t second = list.rfind("$0  SB_CHK34.PFM\n");
  ASSERT_NE(second, std::string::npos);
  EXPECT_EQ(list.substr(second).find("\n01  "), std::string::npos);
  EXPECT_NE(list.substr(second).find("\n00  "), std::string::npos);
  EXPECT_NE(list.find("$0  SB_CHK34.PFM"), second);
}

TEST_F(CheckList, SecondListShowsFactoredValuesWithTheUsersSwitch) {
  SquareProject();
  cm.kt = kMethodFellenius;
  PartialFactors.Enabled = 1;
  PartialFactors.Factor.fill(1.0);
  PartialFactors.Factor[3] = 1.5;  // surcharge 1
  PartialFactors.Factor[8] = 0.5;  // cohesion
  PartialFactors.Factor[9] = 1.1;  // structural analysis factor, never applied
  BlockTable[0].SandPile = 1;      // left out under partial factors, cleared by the design copy
  {
    const DesignCopyScope design(&ApplyPartialFactors);
    ASSERT_EQ(WriteCheckList(1), 0);
  }
  const std::string list = ReadOutput("SB_CHK02.PDT");
  EXPECT_EQ(list.substr(0, list.find('\n')), "斜面の安定計算　チェックリスト２");
  EXPECT_NE(list.find("05    15.000\n"), std::string::npos);    // 10 kN/m2 x 1.5
  EXPECT_NE(list.find("\n06     5.000\n"), std::string::npos);  // cohesion 10 x 0.5
  EXPECT_NE(list.find("$0  SB_CHK2C.PFM"), std::string::npos);
  EXPECT_NE(list.find("$0  SB_CHK33.PFM"), std::string::npos);
  EXPECT_NE(list.find("$0  SB_CHK44.PFM\n01    1.0000\n"), std::string::npos);
  EXPECT_NE(list.find("\n04    1.5000\n"), std::string::npos);
  EXPECT_NE(list.find("\n10    1.1000\n"), std::string::npos);
  EXPECT_NE(list.find("00  ※ 砂杭はこの計算では考慮していません。\n"), std::string::npos);
  EXPECT_EQ(cm.Surcharges.LoadAtXMin[0], 10.0);  // the user's value is back
}

// Method 3 from the toe of the first example: the limit line along its floor cuts 10..80 down
// to 10..30.964, which the list prints under the user's range through a form it brings along.
TEST_F(CheckList, AnglesNarrowedByTheLimitLinesAreListedUnderTheUsers) {
  test::ReadSample("1_SLOPE_SEARCH", test::kExamplesFolder);
  cm.kt = kMethodLineFromPoint;
  StraightSlipSettings.Range = {10.0, 80.0, 1.0, 0.0};
  ASSERT_EQ(WriteCheckList(0), 0);
  EXPECT_NE(
      ReadOutput("SB_CHK01.PDT").find("07    2\n$0  SB_CHKSA.PFM\n00    10.000\n01    30.964\n"),
      std::string::npos);
  EXPECT_EQ(ReadOutput("SB_CHKSA.PFM"),
            "直線すべり　探索したすべり角度\n1,4,0,0\n8,8,8,8\n1,1,1,1\n"
            "探索範囲,$00^^^,～,$01^^^\n0000,0000,0000,0000\n");
}

// The verdict's notes on what the run leaves out are printed too, in a form the list brings.
TEST_F(CheckList, LeftOutSandPilesAreNoted) {
  SquareProject();  // Bishop: no sand piles
  BlockTable[0].SandPile = 1;
  ASSERT_EQ(WriteCheckList(0), 0);
  EXPECT_NE(ReadOutput("SB_CHK01.PDT")
                .find("$0  SB_CHKNT.PFM\n00  ※ 砂杭はこの計算では考慮していません。\n"),
            std::string::npos);
  EXPECT_NE(ReadOutput("SB_CHKNT.PFM").find("\n$00^^^,@,@,@,@,@,@,@,@,@\n"), std::string::npos);
}

}  // namespace
}  // namespace selvana
