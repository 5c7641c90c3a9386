// Straight wedge mechanics: the strip above the line, the force terms of one slice (sand piles,
// seismic loss of friction, driving-force mode, horizontal forces) and the wedge totals (end
// water thrust, sliding sense, the no-factor mark and negative factors).
#include "calc/straight/wedge.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/circle/fellenius_slice.h"
#include "calc/degree.h"
#include "calc/fellenius_test_slopes.h"
#include "calc/results/safety_factor.h"
#include "calc/results/slip_result.h"
#include "calc/run_data.h"

namespace selvana {
namespace {

using test::AddTestBlock;
using test::AddTestPoint;
using test::Soil;

void SetLineAngle(double alphaDeg) {
  RunData.LineDirectionFactor.Factor = alphaDeg > 0.0 ? 1.0 : -1.0;
  RunData.LineDirectionFactor.Cos = std::cos(alphaDeg * kDegree);
  RunData.LineDirectionFactor.Sin = std::sin(alphaDeg * kDegree);
}

// ---- Strips above the line ----

class StraightStrip : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetCalcRunData();
    SetLineAngle(45.0);  // through (0, 0): Y = X
    SliceSideHeightsRecord& s = RunData.SliceSideHeights;
    s.XA = 4.0, s.XB = 2.0;
    s.TopA[0] = 10.0, s.TopB[0] = 8.0;
    s.BottomA[0] = 0.0, s.BottomB[0] = 0.0;
    s.KeepRises(1);
  }
};

TEST_F(StraightStrip, BlockAboveTheLineIsCutAtTheLine) {
  ASSERT_EQ(0, BlockStripAboveLine(0, 0.5, 3.0, 3.0, 0.0, 0.0, 45.0));
  // Top interpolated to 9 at X 3, bottom 0 raised to the line at Y 3: height 6, width 0.5.
  EXPECT_DOUBLE_EQ(3.0, RunData.BlockStrips[0].X);
  EXPECT_DOUBLE_EQ(6.0, RunData.BlockStrips[0].MidY);
  EXPECT_DOUBLE_EQ(3.0, RunData.BlockStrips[0].Area);
}

TEST_F(StraightStrip, BlockWhollyBelowTheLineHasNoArea) {
  RunData.SliceSideHeights.TopA[0] = 1.0, RunData.SliceSideHeights.TopB[0] = 1.0;
  RunData.SliceSideHeights.KeepRises(1);
  BlockStripAboveLine(0, 0.5, 3.0, 3.0, 0.0, 0.0, 45.0);
  EXPECT_DOUBLE_EQ(0.0, RunData.BlockStrips[0].Area);
}

TEST_F(StraightStrip, BlockCutAtOneSideOnlyGivesNoStrip) {
  RunData.SliceSideHeights.TopB[0] = -999999.9, RunData.SliceSideHeights.BottomB[0] = 999999.9;
  RunData.SliceSideHeights.KeepRises(1);
  BlockStripAboveLine(0, 0.5, 3.0, 3.0, 0.0, 0.0, 45.0);
  EXPECT_DOUBLE_EQ(0.0, RunData.BlockStrips[0].Area);
  EXPECT_DOUBLE_EQ(0.0, RunData.BlockStrips[0].MidY);
}

TEST_F(StraightStrip, VerticalLineIsReadAsItsStartHeight) {
  SetLineAngle(90.0);
  EXPECT_DOUBLE_EQ(7.0, SlipLineYAt(123.0, 1.0, 7.0));
}

// ---- Slice forces ----

// One slice on a base at 30 degrees from (5, 1) to (4, 1 - tan 30): base block 0 with a strip of
// 2 m², block 1 above it with 1 m². Cohesion grows by K = 2 below the reference level 0.
class StraightSliceForces : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetCalcRunData();
    ResetLineRecord(0, 0.0, 0.0, 30.0);
    SetLineAngle(30.0);
    Soil base;
    base.gammaT = 19.0, base.gammaE = 9.0, base.c0 = 10.0, base.phi = 25.0, base.k = 2.0;
    AddTestBlock(0, 0, base);
    Soil upper;
    upper.gammaT = 16.0, upper.gammaE = 16.0;
    AddTestBlock(0, 0, upper);
    RunData.BlockStrips[0] = {4.5, 0.0, 2.0};
    RunData.BlockStrips[1] = {4.5, 0.0, 1.0};
    yl_ = 1.0 - std::tan(30.0 * kDegree);
  }
  void Compute() { SliceForcesStraightLine(30.0, 0.0, 0.0, 0, 5.0, 1.0, 4.0, yl_); }

  const double ca_ = std::cos(30.0 * kDegree), sa_ = 0.5;
  const double tanPhi_ = std::tan(25.0 * kDegree);
  const double l_ = 1.0 / std::cos(30.0 * kDegree);
  double yl_ = 0.0;
  // Cohesion at the base middle: 10 + 2 x (0 - mid Y).
  double c() const { return 10.0 + 2.0 * (0.0 - (1.0 + yl_) / 2.0); }
};

// Relative: the terms are sums of a few products.
constexpr double kRel = 1e-12;

void ExpectRel(double expected, double actual, const char* what) {
  EXPECT_NEAR(expected, actual, kRel * std::max(1.0, std::fabs(expected)))
      << what << ": expected " << expected << ", actual " << actual << ", difference "
      << actual - expected;
}

TEST_F(StraightSliceForces, PlainSoilResistsByEffectiveWeightAndCohesion) {
  Compute();
  const double W = 2.0 * 19.0 + 16.0, We = 2.0 * 9.0 + 16.0;
  ExpectRel(We * ca_ * tanPhi_, SliceTerms.mrf, "mrf");
  ExpectRel(c() * l_, SliceTerms.mrc, "mrc");
  ExpectRel(W * sa_, SliceTerms.mdw, "mdw");
  EXPECT_EQ(0.0, SliceTerms.mdh);
  EXPECT_EQ(0.0, SliceTerms.mdk);
}

TEST_F(StraightSliceForces, SeismicDrivesAndTakesFrictionWithOrWithoutSurcharge) {
  cm.SeismicCoefficient = 0.2;
  cm.Surcharges.XMin[0] = 4.5, cm.Surcharges.XMax[0] = 10.0;
  cm.Surcharges.LoadAtXMin[0] = 8.0, cm.Surcharges.LoadAtXMax[0] = 8.0;  // 4 kN on the slice
  const double W = 54.0, We = 34.0, Q = 4.0;
  struct Case {
    const char* name;
    int includesSurcharge;
    double shaken;
  };
  for (const Case& k : {Case{"with surcharge", 1, W + Q}, Case{"without", 0, W}}) {
    cm.SeismicIncludesSurcharge = k.includesSurcharge;
    Compute();
    const double S = k.shaken * 0.2 * sa_ * tanPhi_;
    ExpectRel((We + Q) * ca_ * tanPhi_ - S, SliceTerms.mrf, k.name);
    ExpectRel((W + Q) * sa_, SliceTerms.mdw, k.name);
    ExpectRel(0.2 * W * ca_, SliceTerms.mdk, k.name);
  }
}

TEST_F(StraightSliceForces, DrivingForceModeOneDrivesByEffectiveWeightWithoutSeismic) {
  cm.DrivingForceMode = 1;
  cm.SeismicCoefficient = 0.2;
  Compute();
  ExpectRel(34.0 * sa_, SliceTerms.mdw, "mdw");
  ExpectRel(34.0 * ca_ * tanPhi_, SliceTerms.mrf, "mrf");
  EXPECT_EQ(0.0, SliceTerms.mdk);
}

TEST_F(StraightSliceForces, SandPileFormulasOfTheBaseBlock) {
  BlockRecord& b = BlockTable[0];
  b.SandPile = 1, b.ReplacementRatio = 0.3, b.StressRatio = 3.0;
  b.PileUnitWeight = 20.0, b.PileFrictionAngle = 35.0;
  const double as = 0.3, ws = 20.0, tp = std::tan(35.0 * kDegree);
  const double mu = 3.0 / (2.0 * as + 1.0);
  const double gm = ws * as + (1.0 - as) * 9.0;
  const double A0 = 2.0, Wo = 16.0;  // block 1 has no piles: its γ'
  struct Case {
    int formula;
    double mrf, mrc;
  };
  const Case cases[] = {
      {0, (ws * A0 + Wo * mu) * as * tp * ca_, (1.0 - as) * c() * l_},
      {1, (gm * A0 + Wo) * mu * as * tp * ca_, (1.0 - as) * c() * l_},
      {2, (gm * A0 + Wo) * tp * ca_, 0.0},
      {7, (gm * A0 + Wo) * mu * as * tp * ca_, 0.0},
  };
  for (const Case& k : cases) {
    cm.SandPileFormula = k.formula;
    Compute();
    ExpectRel(k.mrf, SliceTerms.mrf, "mrf");
    ExpectRel(k.mrc, SliceTerms.mrc, "mrc");
  }
  // The piles weigh in the drive: γt' = (19 - 9 + 20) 0.3 + 0.7 x 19.
  ExpectRel(((30.0 * as + 0.7 * 19.0) * A0 + 16.0) * sa_, SliceTerms.mdw, "mdw");
}

TEST_F(StraightSliceForces, ForcesOneAndTwoActOnlyInTheSliceHoldingTheirX) {
  cm.HorizontalForces.H = {30.0, 20.0, 0.0, 0.0};
  CurrentSlipResult.sx = 10.0;  // not the wedge's first slice
  struct Case {
    double forceX;
    bool acts;
  };
  // The slice holds X from its left end (4) up to, not including, its right end (5).
  for (const Case& k : {Case{4.5, true}, Case{4.0, true}, Case{5.0, false}, Case{3.9, false}}) {
    StraightSlipSettings.ForceX = k.forceX;
    Compute();
    const double h = k.acts ? 50.0 : 0.0;
    ExpectRel(h * ca_, SliceTerms.mdh, "mdh");
    ExpectRel(34.0 * ca_ * tanPhi_ - h * sa_ * tanPhi_, SliceTerms.mrf, "mrf");
  }
}

TEST_F(StraightSliceForces, ForceThreeActsInTheFirstSliceOfAWedgeOnly) {
  cm.HorizontalForces.H = {0.0, 0.0, 40.0, 0.0};
  StraightSlipSettings.ForceX = -100.0;
  Compute();  // the record has no right end yet: the first slice
  ExpectRel(40.0 * ca_, SliceTerms.mdh, "first slice");
  ExpectRel(34.0 * ca_ * tanPhi_ - 40.0 * sa_ * tanPhi_, SliceTerms.mrf, "first slice");
  CurrentSlipResult.sx = 5.0;
  Compute();
  EXPECT_EQ(0.0, SliceTerms.mdh);
}

// ---- Wedge totals ----

class StraightTotals : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetCalcRunData();
    ResetLineRecord(0, 0.0, 0.0, 30.0);
    SetLineAngle(30.0);
  }
  // A water block of unit weight 10 whose polygon is the rectangle x0..x1, y0..y1.
  void AddWaterBox(double x0, double x1, double y0, double y1) {
    Soil water;
    water.gammaT = 10.0;
    water.kind = kBlockPressureWater;
    const int b = AddTestBlock((x0 + x1) / 2, (y0 + y1) / 2, water);
    const int p[4] = {AddTestPoint(x0, y0), AddTestPoint(x0, y1), AddTestPoint(x1, y1),
                      AddTestPoint(x1, y0)};
    BlockPolygonLists.Count[b] = 4;
    for (int i = 0; i < 5; ++i) BlockPolygonLists.Points[b][i] = p[i % 4];
  }
  void SetWedge(double sx, double sy, double ex, double ey, double mrf, double mdw) {
    SlipResult& r = CurrentSlipResult;
    r.sx = sx, r.sy = sy, r.ex = ex, r.ey = ey, r.mrf = mrf, r.mdw = mdw;
  }
};

TEST_F(StraightTotals, EndWaterThrustsActInTheSenseOfSliding) {
  struct Case {
    const char* name;
    double waterFromX, sy, ey, mdw;
  };
  // 0.5 x 10 x h² on each face: the face at the upper end of the base drives, the one at the
  // toe resists. A pond over both ends: 4 m (80) at the toe, 2 m (20) at the upper end.
  const Case cases[] = {{"pond, toe at the right", -20.0, 2.0, 4.0, 1000.0 - 60.0},
                        {"pond, toe at the left", -20.0, 4.0, 2.0, 1000.0 - 60.0},
                        {"same column", -20.0, 3.0, 3.0, 1000.0},
                        {"water behind the wedge only", 0.0, 4.0, 2.0, 1000.0 + 20.0},
                        // The upper end on the water's wall, a few last bits either side of it.
                        {"wall just past the end", 10.00000000000005, 4.0, 2.0, 1000.0 + 20.0},
                        {"wall just before the end", 9.99999999999995, 4.0, 2.0, 1000.0 + 20.0},
                        {"water at the toe only", 0.0, 2.0, 4.0, 1000.0 - 80.0}};
  for (const Case& k : cases) {
    ResetProjectData();
    AddWaterBox(k.waterFromX, 20.0, 0.0, 6.0);
    SetWedge(10.0, k.sy, -10.0, k.ey, 500.0, 1000.0);
    LineTotals();
    EXPECT_NEAR(k.mdw, CurrentSlipResult.mdw, 1e-9) << k.name;
  }
}

TEST_F(StraightTotals, DrivingForceModeOneHasNoEndWaterThrust) {
  AddWaterBox(-20.0, 20.0, 0.0, 6.0);
  cm.DrivingForceMode = 1;
  SetWedge(10.0, 2.0, -10.0, 4.0, 500.0, 1000.0);
  LineTotals();
  EXPECT_DOUBLE_EQ(1000.0, CurrentSlipResult.mdw);
}

TEST_F(StraightTotals, SumsAndTruncatedFactor) {
  SetWedge(10.0, 2.0, -10.0, 4.0, 500.0, -300.0);  // a negative weight sum counts by size
  CurrentSlipResult.mrc = 100.0;
  CurrentSlipResult.mdh = 20.0;
  CurrentSlipResult.mdk = 10.0;
  LineTotals();
  const SlipResult& r = CurrentSlipResult;
  EXPECT_DOUBLE_EQ(300.0, r.mdw);
  EXPECT_DOUBLE_EQ(600.0, r.mr);
  EXPECT_DOUBLE_EQ(330.0, r.md);
  EXPECT_DOUBLE_EQ(1.818, r.f);  // 1.81818..., cut to three decimals
  EXPECT_EQ(1, SlopeDirection);
}

TEST_F(StraightTotals, MarksAndNegativeFactors) {
  struct Case {
    const char* name;
    double mrf, mdw, mdh;
    int invalid;
    double f;
    int bases = kBaseInSoil;  // where the slice bases lie
  };
  const Case cases[] = {
      {"no drive", 100.0, 0.0, 0.0, 0, kNoSafetyFactor},
      {"negative driving total", 100.0, 10.0, -50.0, 0, kNoSafetyFactor},
      {"negative resistance kept", -50.0, 100.0, 0.0, 0, -0.5},
      {"invalid keeps its mark", 100.0, 100.0, 0.0, 1, kNoSafetyFactor},
      {"wholly in water", 100.0, 100.0, 0.0, 0, kNoSafetyFactor, kBaseElsewhere},
  };
  for (const Case& k : cases) {
    ResetLineRecord(0, 0.0, 0.0, 30.0);
    SetWedge(10.0, 2.0, -10.0, 4.0, k.mrf, k.mdw);
    CurrentSlipResult.mdh = k.mdh;
    SlipInvalid = k.invalid;
    SlipSliceBases = k.bases;
    LineTotals();
    EXPECT_DOUBLE_EQ(k.f, CurrentSlipResult.f) << k.name;
  }
}

TEST_F(StraightTotals, SlidingSenseFollowsTheDirectionFactor) {
  RunData.LineDirectionFactor.Factor = -1.0;
  LineTotals();
  EXPECT_EQ(-1, SlopeDirection);
  RunData.LineDirectionFactor.Factor = 1.0;
  LineTotals();
  EXPECT_EQ(1, SlopeDirection);
}

}  // namespace
}  // namespace selvana
