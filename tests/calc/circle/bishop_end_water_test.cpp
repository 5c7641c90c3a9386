// The thrust of pressure water at the ends of a Bishop slip surface: each block's thrust goes
// onto the weight moment by itself, water below the end or acting as weight adds nothing, and
// driving with the effective weight leaves the ends without thrust.
#include <gtest/gtest.h>

#include "calc/circle/bishop_slices.h"
#include "calc/circle/bishop_totals.h"
#include "calc/circle/end_water_cases.h"
#include "calc/results/slip_result.h"
#include "calc/run_data.h"
#include "calc/test_model_builder.h"
#include "model/project_model.h"

namespace selvana {
namespace {

using test::AddRectangleBlock;

constexpr double kCx = 0.0, kCy = 20.0, kR = 25.0;

// The hydrostatic thrust moment of water from bottom to top about the centre height.
double Thrust(double top, double bottom, double gamma) {
  return test::EndWaterThrustMoment(kCy, top, bottom, gamma);
}

class BishopEndWater : public ::testing::Test {
 protected:
  void SetUp() override {
    cm.kt = kMethodBishop;
    BishopCircleSettings.SlipDirection = 3;  // keep the sign of the weight moment
    ResetCalcRunData();
    BishopSlices.SetRoom(4);
    ResetCircleRecordBishop(0, kCx, kCy, kR);
    BishopSlices.Append({150.0, 1.0, 0.0, 90.0, 60.0});
  }

  void SetSurface(double sx, double sy, double ex, double ey, double mdw) {
    SlipResult& r = CurrentSlipResult;
    r.sx = sx, r.sy = sy, r.ex = ex, r.ey = ey;
    r.mdw = mdw;
  }
};

TEST_F(BishopEndWater, StackedBlocksAddTheirThrustsOneByOne) {
  // Two pressure-water layers, 2..4 m and 4..7 m, with unit weights for which adding the two
  // thrusts to each other first rounds differently from adding each to the weight moment in
  // turn: the moment must be the latter, to the last bit.
  AddRectangleBlock(40.0, 60.0, 2.0, 4.0, kBlockPressureWater, 9.81);
  AddRectangleBlock(40.0, 60.0, 4.0, 7.0, kBlockPressureWater, 10.3);
  SetSurface(50.0, 2.0, -10.0, 0.0, 1000.1);
  CircleTotalsBishop();
  double expected = 1000.1;
  expected += Thrust(4.0, 2.0, 9.81);
  expected += Thrust(7.0, 4.0, 10.3);
  EXPECT_EQ(expected, CurrentSlipResult.mdw);
}

TEST_F(BishopEndWater, StackedBlocksAtTheLeftEndComeOffOneByOne) {
  AddRectangleBlock(-20.0, 0.0, 2.0, 4.0, kBlockPressureWater, 9.81);
  AddRectangleBlock(-20.0, 0.0, 4.0, 7.0, kBlockPressureWater, 10.3);
  SetSurface(30.0, 5.0, -10.0, 2.0, 500.9);
  CircleTotalsBishop();
  double expected = 500.9;
  expected -= Thrust(4.0, 2.0, 9.81);
  expected -= Thrust(7.0, 4.0, 10.3);
  EXPECT_EQ(expected, CurrentSlipResult.mdw);
}

TEST_F(BishopEndWater, WaterWithoutThrustAtTheEnds) {
  for (const test::EndWaterWithoutThrust& c : test::kEndWaterWithoutThrust) {
    SCOPED_TRACE(c.name);
    ResetProjectData();
    SetUp();
    cm.DrivingForceMode = c.drivingMode;
    AddRectangleBlock(40.0, 60.0, 0.0, 6.0, c.kind, 10.0);
    SetSurface(50.0, c.endY, -10.0, 0.0, 1000.0);
    CircleTotalsBishop();
    EXPECT_EQ(1000.0, CurrentSlipResult.mdw);
  }
}

}  // namespace
}  // namespace selvana
