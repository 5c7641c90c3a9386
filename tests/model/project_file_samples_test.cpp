// The two sample projects written by a separate tool: every record they carry lands in the
// field the layout names, checked on values that differ from their neighbours in the file.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "model/project_file.h"
#include "model/project_model.h"

namespace selvana {
namespace {

std::string Sample(const char* name) { return std::string(SELVANA_SAMPLES) + "/" + name; }

void ExpectGrid(const CircleSearchSettings& c, std::array<double, 3> x, std::array<double, 3> y,
                std::array<double, 3> r) {
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(x[i], c.CentreX[i]) << i;
    EXPECT_EQ(y[i], c.CentreY[i]) << i;
    EXPECT_EQ(r[i], c.Radius[i]) << i;
  }
}

TEST(ProjectFileSamples, HomogeneousSlopeFillsEveryRecordInPlace) {
  ASSERT_EQ(kReadOk, ReadProjectFile(Sample("HOMOGENEOUS")));
  EXPECT_EQ("HOMOGENEOUS", cm.ProjectFileName.substr(cm.ProjectFileName.size() - 11));
  EXPECT_EQ(1, cm.SeismicIncludesSurcharge);
  EXPECT_EQ(10000.0, cm.MaxSafetyFactor);
  EXPECT_EQ(1.0, cm.AllowableSafetyFactor);
  EXPECT_EQ(0.1, cm.SliceWidth);
  for (const CircleSearchSettings* c : {&FelleniusCircleSettings, &BishopCircleSettings}) {
    EXPECT_EQ(1, c->Entered);
    ExpectGrid(*c, {4.0, 14.0, 1.0}, {11.0, 19.0, 1.0}, {4.0, 16.0, 0.25});
    EXPECT_EQ(1, c->ExtendFirstGrid);
    EXPECT_EQ(3, c->HighestGridOrder);
    EXPECT_EQ(1, c->SlipDirection);
    EXPECT_EQ(0, c->PassPointOn);
  }
  EXPECT_EQ(2, StraightSlipSettings.Entered);
  EXPECT_EQ(2, StraightSlipSettings.Side);
  EXPECT_EQ(1, StraightSlipSettings.Passes);
  EXPECT_EQ(100.0, DrawSettings.ScaleDenominator);
  EXPECT_EQ(4.0, DrawSettings.Sizes[15]);
  EXPECT_EQ((std::array<int, 8>{3, 3, 3, 0, 3, 3, 3, 3}), DrawSettings.Decimals);
  // Points and lines: the closed outline of the slope.
  const double xy[6][2] = {{-20, -10}, {40, -10}, {40, 10}, {15, 10}, {5, 5}, {-20, 5}};
  ASSERT_EQ(6, PointCount);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(i, PointTable[i].Id);
    EXPECT_EQ(xy[i][0], PointTable[i].X) << i;
    EXPECT_EQ(xy[i][1], PointTable[i].Y) << i;
  }
  ASSERT_EQ(6, LineCount);
  EXPECT_EQ(kLineBoundary, LineTable[5].Kind);
  EXPECT_EQ(0, LineTable[5].P1);
  EXPECT_EQ(5, LineTable[5].P2);
  EXPECT_EQ(1, LineTable[5].DrawFlag);
  // The one soil block: c' 9.8, φ' 10°, γ 17.64, dry.
  ASSERT_EQ(1, BlockCount);
  const BlockRecord& b = BlockTable[0];
  EXPECT_EQ(0, b.Number);
  EXPECT_EQ(20.0, b.SeedX);
  EXPECT_EQ(0.0, b.SeedY);
  EXPECT_EQ(17.64, b.EffectiveUnitWeight);
  EXPECT_EQ(0.0, b.CohesionGradient);
  EXPECT_EQ(9.8, b.Cohesion);
  EXPECT_EQ(10.0, b.FrictionAngle);
  EXPECT_EQ(-1, b.SoilLabelMode);
  EXPECT_EQ((std::array<double, 4>{40.0, -20.0, 10.0, -10.0}), b.BBox);
  EXPECT_EQ(kBlockSoil, b.Kind);
  EXPECT_EQ(1, b.FactorClass);
  EXPECT_EQ(0, b.SandPile);
  EXPECT_EQ(0, DataModified);
}

TEST(ProjectFileSamples, FixedCircleFillsEveryRecordInPlace) {
  ASSERT_EQ(kReadOk, ReadProjectFile(Sample("FIXEDCIRCLE")));
  EXPECT_EQ("Fredlund and Krahn 1977, dry, fixed circle, simplified Bishop", cm.ProjectTitle);
  EXPECT_EQ(kMethodBishop, cm.kt);
  ExpectGrid(BishopCircleSettings, {120.0, 120.0, 1.0}, {90.0, 90.0, 1.0}, {80.0, 80.0, 1.0});
  EXPECT_EQ(2, BishopCircleSettings.ExtendFirstGrid);
  EXPECT_EQ(1, BishopCircleSettings.HighestGridOrder);
  EXPECT_EQ(1, BishopCircleSettings.SlipDirection);
  ASSERT_EQ(6, PointCount);
  EXPECT_EQ(180.0, PointTable[2].X);
  EXPECT_EQ(20.0, PointTable[2].Y);
  ASSERT_EQ(1, BlockCount);
  const BlockRecord& b = BlockTable[0];
  EXPECT_EQ(90.0, b.SeedX);
  EXPECT_EQ(20.0, b.SeedY);
  EXPECT_EQ(120.0, b.EffectiveUnitWeight);
  EXPECT_EQ(600.0, b.Cohesion);
  EXPECT_EQ(20.0, b.FrictionAngle);
  EXPECT_EQ((std::array<double, 4>{180.0, 0.0, 60.0, 0.0}), b.BBox);
  EXPECT_EQ(0, DataModified);
}

}  // namespace
}  // namespace selvana
