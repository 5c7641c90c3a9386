// Older project files (versions 2000 to 2239, fixtures under tests/data derived by hand from a
// 2240 file of the rich test model): each gets the fixed defaults for what its version lacks,
// read over a model that held other values, and everything after a missing line stays aligned.
#include <gtest/gtest.h>

#include "model/project_file.h"
#include "model/project_file_test_util.h"
#include "model/project_model.h"

namespace selvana::test {
namespace {

std::string Fixture(const std::string& name) { return std::string(SELVANA_TEST_DATA) + "/" + name; }

// Reads a fixture over the rich model, so that every default must be stored, not inherited.
void ReadOverRichModel(const std::string& name) {
  BuildRichModel();
  ASSERT_EQ(kReadOk, ReadProjectFile(Fixture(name)));
  EXPECT_EQ(0, DataModified);
}

void ExpectSheetPileOfANewProject() {
  EXPECT_EQ(0, SheetPileSettings.Mode);
  EXPECT_EQ(0.0, SheetPileSettings.PileX);
  EXPECT_EQ(0, SheetPileSettings.RowCount);
  EXPECT_EQ(0.0, SheetPileSettings.Intensity[1]);
  EXPECT_EQ(0.0, SheetPileSettings.AllowableShear);
  EXPECT_EQ(0, SheetPileSettings.Dummy);
  EXPECT_EQ(0.0, DrawSettings.PileLabelX[0]);
  EXPECT_EQ(-1, DrawSettings.PileLabelMode[0]);
}

void ExpectPartialFactorsOff() {
  EXPECT_EQ(0, PartialFactors.Enabled);
  for (double f : PartialFactors.Factor) EXPECT_EQ(1.0, f);
}

void ExpectNoPassPoints() {
  for (const CircleSearchSettings* c : {&FelleniusCircleSettings, &BishopCircleSettings}) {
    EXPECT_EQ(0, c->PassPointOn);
    EXPECT_EQ(0.0, c->PassPointX);
    EXPECT_EQ(0.0, c->PassPointY);
  }
}

// The blocks of the rich model, read from records of either length.
void ExpectRichBlocks(int factorClassOfBlock2) {
  ASSERT_EQ(3, BlockCount);
  EXPECT_EQ(-1, BlockTable[1].Number);
  EXPECT_EQ(20.0, BlockTable[2].UnitWeight);
  EXPECT_EQ(-2.0, BlockTable[2].BBox[3]);
  EXPECT_EQ(2, BlockTable[2].Kind);
  EXPECT_EQ(factorClassOfBlock2, BlockTable[2].FactorClass);
  EXPECT_EQ(1, BlockTable[1].SandPile);
  EXPECT_EQ(0, BlockTable[2].SandPile);
}

TEST(ProjectFileVersions, Version2000GetsEveryDefault) {
  ReadOverRichModel("V2000");
  EXPECT_EQ(0.15, cm.SeismicCoefficient);
  EXPECT_EQ(1, cm.SeismicIncludesSurcharge);
  EXPECT_EQ(cm.Surcharges.LoadAtXMin, cm.Surcharges.LoadAtXMax);
  EXPECT_EQ(11.0, cm.Surcharges.LoadAtXMax[1]);
  EXPECT_EQ(0, cm.CohesionRefMode);
  EXPECT_EQ(12.5, cm.CohesionRefHeight);
  EXPECT_EQ(0, cm.CohesionRefLine.Count);
  EXPECT_EQ(0.0, cm.CohesionRefLine.X[2]);
  EXPECT_EQ(0, cm.SandPileFormula);
  EXPECT_EQ(0, cm.SafetyTableFormat);
  EXPECT_EQ(1.0, cm.AllowableSafetyFactor);
  EXPECT_EQ(0.1, cm.SliceWidth);
  EXPECT_EQ(0, cm.DrivingForceMode);
  EXPECT_EQ(0, cm.RoundingRule);
  ExpectNoPassPoints();
  EXPECT_EQ(106.0, BishopCircleSettings.Radius[1]);
  EXPECT_EQ(0, StraightSlipSettings.LineSpecSwitch);
  EXPECT_EQ((std::array<double, 4>{1.5, 1.5, 1.5, 1.5}), StraightSlipSettings.PointX);
  EXPECT_EQ((std::array<double, 4>{5.5, 5.5, 5.5, 5.5}), StraightSlipSettings.PointY);
  EXPECT_EQ(2, StraightSlipSettings.Passes);
  ExpectSheetPileOfANewProject();
  ExpectPartialFactorsOff();
  const auto& d = DrawSettings;
  EXPECT_EQ(9.0, d.Sizes[7]);
  for (int i = 8; i < 16; ++i) EXPECT_EQ(0.0, d.Sizes[i]) << i;
  EXPECT_EQ(d.SurchargeLabelLeft, d.SurchargeLabelRight);
  EXPECT_EQ(-1, d.SurchargeLabelRight[1]);
  EXPECT_EQ(d.SurchargeLeftX, d.SurchargeRightX);
  EXPECT_EQ(d.SurchargeLeftY, d.SurchargeRightY);
  EXPECT_EQ((std::array<int, 4>{1, -1, -1, -1}), d.DrawOrder);
  EXPECT_EQ((std::array<int, 8>{3, 3, 3, 0, 3, 3, 3, 3}), d.Decimals);
  EXPECT_EQ(1, d.DrawZeroCPhi);
  EXPECT_EQ(3, d.ForceLabelPlace[0]);
  EXPECT_EQ(5, PointCount);
  EXPECT_EQ(4, LineCount);
  ExpectRichBlocks(1);
  EXPECT_EQ(1, BlockTable[0].FactorClass);
}

TEST(ProjectFileVersions, Version2003HasTheSeismicSwitchDecimalsAndCPhiSwitch) {
  ReadOverRichModel("V2003");
  EXPECT_EQ(0, cm.SeismicIncludesSurcharge);
  EXPECT_EQ(2, cm.SandPileFormula);
  EXPECT_EQ(1, cm.SafetyTableFormat);
  EXPECT_EQ((std::array<int, 4>{1, 1, -1, 1}), DrawSettings.DrawOrder);
  EXPECT_EQ((std::array<int, 8>{2, 1, 2, 1, 2, 1, 2, 1}), DrawSettings.Decimals);
  EXPECT_EQ(-1, DrawSettings.DrawZeroCPhi);
  EXPECT_EQ(0.0, DrawSettings.Sizes[8]);
  ExpectSheetPileOfANewProject();
  ExpectRichBlocks(1);
}

TEST(ProjectFileVersions, Version2100HasCohesionLinePileAndShortBlocks) {
  ReadOverRichModel("V2100");
  EXPECT_EQ(14.0, cm.Surcharges.LoadAtXMax[1]);
  EXPECT_EQ(1, cm.CohesionRefMode);
  EXPECT_EQ(3, cm.CohesionRefLine.Count);
  EXPECT_EQ(7.0, cm.CohesionRefLine.Y[2]);
  EXPECT_EQ(1.2, cm.AllowableSafetyFactor);
  EXPECT_EQ(1, StraightSlipSettings.LineSpecSwitch);
  EXPECT_EQ(4.5, StraightSlipSettings.PointX[3]);
  EXPECT_EQ(2, SheetPileSettings.Mode);
  EXPECT_EQ(2, SheetPileSettings.RowCount);
  EXPECT_EQ(22.0, DrawSettings.PileLabelX[1]);
  EXPECT_EQ(1.75, SheetPileSettings.Lm1);
  EXPECT_EQ(17.0, DrawSettings.Sizes[15]);
  EXPECT_EQ(9.0, DrawSettings.SurchargeRightX[2]);
  ExpectPartialFactorsOff();
  ExpectNoPassPoints();
  ExpectRichBlocks(1);
}

TEST(ProjectFileVersions, Versions2200And2239LackOnlyThePassPoints) {
  for (const char* name : {"V2200", "V2239"}) {
    ReadOverRichModel(name);
    EXPECT_EQ(1, PartialFactors.Enabled) << name;
    EXPECT_EQ(1.31, PartialFactors.Factor[31]) << name;
    ExpectNoPassPoints();
    EXPECT_EQ(3, FelleniusCircleSettings.HighestGridOrder) << name;
    ExpectRichBlocks(3);
  }
}

TEST(ProjectFileVersions, FixturesFollowTheLineCountOfTheirVersion) {
  // 2240 has 177 + rows; each older version drops its gated lines (here with 3 cohesion
  // vertices, 2 pile rows, 5 points, 4 lines and 3 blocks).
  const struct {
    const char* name;
    int lines;
  } cases[] = {{"V2000", 164}, {"V2003", 174}, {"V2100", 204}, {"V2200", 241}, {"V2239", 241}};
  for (const auto& c : cases) {
    EXPECT_EQ(c.lines, CountCrLf(ReadBytes(Fixture(c.name) + ".SDW"))) << c.name;
  }
}

}  // namespace
}  // namespace selvana::test
