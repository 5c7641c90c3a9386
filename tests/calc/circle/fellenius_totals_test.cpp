// Completing a Fellenius slip surface: water thrust at its ends, horizontal forces, the sliding
// direction, the sheet pile and the truncated safety factor.
#include "calc/circle/fellenius_totals.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/circle/end_water_cases.h"
#include "calc/circle/fellenius_sheet_pile.h"
#include "calc/results/safety_factor.h"
#include "calc/results/slip_result.h"
#include "calc/run_data.h"
#include "calc/test_model_builder.h"

namespace selvana {
namespace {

using test::AddRectangleBlock;

constexpr double kCx = 0.0, kCy = 20.0, kR = 25.0;

class FelleniusTotals : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetCalcRunData();
    RunData.SearchGrid.PointX = kCx;
    RunData.SearchGrid.PointY = kCy;
    ResetCircleRecord(0, kCx, kCy, kR);
  }

  // A surface from (sx, sy) to (ex, ey) with the given moment sums.
  void SetSurface(double sx, double sy, double ex, double ey, double mrf, double mrc, double mdw) {
    SlipResult& r = CurrentSlipResult;
    r.sx = sx, r.sy = sy, r.ex = ex, r.ey = ey;
    r.mrf = mrf, r.mrc = mrc, r.mdw = mdw;
  }
};

TEST_F(FelleniusTotals, PressureWaterAtTheRightEndAddsItsThrust) {
  // The end at X 50 lies inside the water, or on its vertical wall a few last bits either side
  // (as an end computed from an intersection does): each sees the whole column.
  for (const double wallX : {60.0, 50.00000000000005, 49.99999999999995}) {
    SCOPED_TRACE(wallX);
    ResetProjectData();
    SetUp();
    AddRectangleBlock(40.0, wallX, 0.0, 6.0, kBlockPressureWater);
    SetSurface(50.0, 2.0, -10.0, 0.0, 0.0, 0.0, 1000.0);
    CircleTotalsFellenius();
    // 4 m of water above the end: thrust 10 x 4² / 2 = 80 kN/m acting at 2 + 4/3 m, arm about
    // the centre 20 - 10/3.
    EXPECT_NEAR(1000.0 + 80.0 * (20.0 - 10.0 / 3.0), CurrentSlipResult.mdw, 1e-9);
  }
}

TEST_F(FelleniusTotals, PressureWaterAtTheLeftEndTakesItsThrustOff) {
  AddRectangleBlock(-20.0, 0.0, 0.0, 6.0, kBlockPressureWater);
  FelleniusCircleSettings.SlipDirection = 3;  // keep the sign for the check
  SetSurface(30.0, 5.0, -10.0, 0.0, 0.0, 0.0, 1000.0);
  CircleTotalsFellenius();
  // 6 m of water: thrust 180 kN/m at 2 m above the end.
  EXPECT_NEAR(1000.0 - 180.0 * (20.0 - 2.0), CurrentSlipResult.mdw, 1e-9);
}

TEST_F(FelleniusTotals, StackedWaterBlocksAddTheirThrustsOneByOne) {
  // Two pressure-water layers over the right end, 2..4 m and 4..7 m, with unit weights chosen
  // so that adding the two thrusts to each other first rounds differently from adding each to
  // the weight moment in turn: the sum must be the latter, to the last bit.
  AddRectangleBlock(40.0, 60.0, 2.0, 4.0, kBlockPressureWater, 9.81);
  AddRectangleBlock(40.0, 60.0, 4.0, 7.0, kBlockPressureWater, 10.3);
  SetSurface(50.0, 2.0, -10.0, 0.0, 0.0, 0.0, 1000.1);
  CircleTotalsFellenius();
  const auto thrust = [](double top, double bottom, double gamma) {
    return test::EndWaterThrustMoment(kCy, top, bottom, gamma);
  };
  double expected = 1000.1;
  expected += thrust(4.0, 2.0, 9.81);
  expected += thrust(7.0, 4.0, 10.3);
  EXPECT_EQ(expected, CurrentSlipResult.mdw);

  // The same two layers over the left end come off one after the other.
  ResetProjectData();
  SetUp();
  FelleniusCircleSettings.SlipDirection = 3;  // keep the sign for the check
  AddRectangleBlock(-20.0, 0.0, 2.0, 4.0, kBlockPressureWater, 9.81);
  AddRectangleBlock(-20.0, 0.0, 4.0, 7.0, kBlockPressureWater, 10.3);
  SetSurface(30.0, 5.0, -10.0, 2.0, 0.0, 0.0, 500.9);
  CircleTotalsFellenius();
  expected = 500.9;
  expected -= thrust(4.0, 2.0, 9.81);
  expected -= thrust(7.0, 4.0, 10.3);
  EXPECT_EQ(expected, CurrentSlipResult.mdw);
}

TEST_F(FelleniusTotals, WaterWithoutThrustAtTheEnds) {
  for (const test::EndWaterWithoutThrust& c : test::kEndWaterWithoutThrust) {
    SCOPED_TRACE(c.name);
    ResetProjectData();
    SetUp();
    cm.DrivingForceMode = c.drivingMode;
    AddRectangleBlock(40.0, 60.0, 0.0, 6.0, c.kind);
    SetSurface(50.0, c.endY, -10.0, 0.0, 0.0, 0.0, 1000.0);
    CircleTotalsFellenius();
    EXPECT_EQ(1000.0, CurrentSlipResult.mdw);
  }
}

TEST_F(FelleniusTotals, HorizontalForcesInsideTheSlipMassAndTheThirdAlways) {
  SlipMassYRange = {10.0, -2.0};
  cm.HorizontalForces.Y = {5.0, 12.0, 12.0, 0.0};
  cm.HorizontalForces.H = {10.0, 20.0, 30.0, 0.0};
  SetSurface(30.0, 5.0, -10.0, 0.0, 0.0, 0.0, 1000.0);
  CircleTotalsFellenius();
  // Force 1 acts inside the mass (arm 15), force 2 above it is ignored, force 3 counts (arm 8).
  EXPECT_DOUBLE_EQ(10.0 * 15.0 + 30.0 * 8.0, CurrentSlipResult.mdh);
}

TEST_F(FelleniusTotals, SlipDirectionTurnsOnlyTheWeightMoment) {
  struct Case {
    const char* name;
    int setting;
    double mdw;
    int direction;
    double turnedMdw;
  };
  const Case cases[] = {
      {"automatic_positive", 1, 500.0, 1, 500.0},
      {"automatic_negative", 1, -500.0, -1, 500.0},
      {"left_to_right", 2, 500.0, -1, -500.0},
      {"right_to_left", 3, -500.0, 1, -500.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    FelleniusCircleSettings.SlipDirection = c.setting;
    cm.SeismicCoefficient = 0.0;
    CurrentSlipResult.mdk = 100.0;
    CurrentSlipResult.mdh = -50.0;
    SetSurface(30.0, 5.0, -10.0, 0.0, 600.0, 0.0, c.mdw);
    CircleTotalsFellenius();
    EXPECT_EQ(c.direction, SlopeDirection);
    EXPECT_EQ(c.turnedMdw, CurrentSlipResult.mdw);
    EXPECT_EQ(100.0, CurrentSlipResult.mdk);
    EXPECT_EQ(-50.0, CurrentSlipResult.mdh);
  }
}

TEST_F(FelleniusTotals, SafetyFactorIsTruncatedOrMarked) {
  struct Case {
    const char* name;
    int direction;
    int invalid;
    int bases;  // where the slice bases lie
    double f;
  };
  const Case cases[] = {
      {"truncated", 1, 0, kBaseInSoil, 1.234},
      {"driven the wrong way: md < 0", 2, 0, kBaseInSoil, kNoSafetyFactor},
      {"invalid", 1, 1, kBaseInSoil, kNoSafetyFactor},
      {"wholly in water", 1, 0, kBaseElsewhere, kNoSafetyFactor},
      {"partly in water", 1, 0, kBaseInSoil | kBaseElsewhere, 1.234},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    FelleniusCircleSettings.SlipDirection = c.direction;
    SetSurface(30.0, 5.0, -10.0, 0.0, 1000.0, 234.5, 1000.0);
    SlipInvalid = c.invalid;
    SlipSliceBases = c.bases;
    CircleTotalsFellenius();
    EXPECT_EQ(c.f, CurrentSlipResult.f);
    EXPECT_EQ(1234.5, CurrentSlipResult.mr);
    EXPECT_EQ(1000.0, std::fabs(CurrentSlipResult.md));
  }
}

// The test pile at x = 6 cuts the circle (0, 10, R 10) once, at (6, 2), where cos θ = 8 / 10.
void SetPile(int mode) { test::SetTestSheetPile(mode, 6.0); }

TEST(FelleniusSheetPile, MomentsOfShearAndPassivePressure) {
  struct Case {
    const char* name;
    int mode;
    double lm1;
    double pileX;
    double mry;
  };
  // Shear: 0.001 x 1000 x 100 / 0.8 x 10. Passive pressure between y 2 and -2: two trapezoids
  // (30..50 over 2 m, 50..70 over 2 m), P = 200 kN/m at y = -4/15, arm 10 + 4/15 to the centre.
  const Case cases[] = {
      {"shear_resistance", 3, 4.0, 6.0, 1250.0},
      {"passive_pressure", 2, 4.0, 6.0, 200.0 * (10.0 + 4.0 / 15.0)},
      {"passive_pressure_without_depth", 2, 0.0, 6.0, 0.0},
      {"pile_tangent_to_the_circle", 3, 4.0, 10.0, 0.0},
      {"pile_ignored", 0, 4.0, 6.0, 0.0},
      {"pile_not_crossed_mode", 1, 4.0, 6.0, 0.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetPile(c.mode);
    SheetPileSettings.Lm1 = c.lm1;
    SheetPileSettings.PileX = c.pileX;
    // Relative 1e-12: the same arithmetic in another order.
    EXPECT_NEAR(c.mry, SheetPileMoment(0.0, 10.0, 10.0), 1e-12 * c.mry);
  }
}

TEST_F(FelleniusTotals, PileTermIsRecordedButNotAdded) {
  SetPile(3);
  RunData.SearchGrid.PointY = 10.0;
  ResetCircleRecord(0, 0.0, 10.0, 10.0);
  SetSurface(9.0, 5.0, -9.0, 5.0, 1000.0, 234.5, 1000.0);
  CircleTotalsFellenius();
  EXPECT_DOUBLE_EQ(1250.0, CurrentSlipResult.mry);
  EXPECT_EQ(1234.5, CurrentSlipResult.mr);
  EXPECT_EQ(1.234, CurrentSlipResult.f);
}

}  // namespace
}  // namespace selvana
