// Show-all fitting from the model extents, the scroll bars it sets, and the scroll handlers.
#include <gtest/gtest.h>

#include "model/project_model.h"
#include "view/view_fitting.h"
#include "view/view_state.h"
#include "view_test_support.h"

namespace selvana::test {
namespace {

class ViewFittingTest : public ViewFixture {
 protected:
  ViewFittingTest() : ViewFixture(600, 300) {}

  static void AddPoint(int slot, double x, double y) {
    PointTable[slot] = {slot, x, y};
    if (PointCount <= slot) PointCount = slot + 1;
  }
};

// Scales are quotients of small whole numbers times 5/6: exact to a few ulps.
constexpr double kScaleTol = 1e-12;

TEST_F(ViewFittingTest, EmptyProjectFitsTheAllZeroCentreGridNotTheFallback) {
  cm.kt = kMethodFellenius;
  FitViewToModel();
  EXPECT_EQ(ViewState.OriginX, 0.0);
  EXPECT_EQ(ViewState.OriginY, 0.0);
  // Both ranges are the single value 0: min(600, 300) / 10 * 5/6.
  EXPECT_NEAR(ViewState.Scale, 300.0 / 10.0 * 0.8333333333333334, kScaleTol);
}

TEST_F(ViewFittingTest, StraightLineMethodWithoutPointsFitsItsStartPoint) {
  cm.kt = kMethodLineFromPoint;
  StraightSlipSettings.PointX[0] = 40.0;
  StraightSlipSettings.PointY[0] = 12.0;
  FelleniusCircleSettings.CentreX = {-500.0, 500.0, 1.0, 0.0};  // not this method's area
  FitViewToModel();
  EXPECT_EQ(ViewState.OriginX, 40.0);
  EXPECT_EQ(ViewState.OriginY, 12.0);
  EXPECT_NEAR(ViewState.Scale, 300.0 / 10.0 * 0.8333333333333334, kScaleTol);
}

TEST_F(ViewFittingTest, PointsLoadsAndForcesExtendTheExtents) {
  cm.kt = kMethodBishop;  // Bishop grid stays at 0
  AddPoint(0, 10.0, 5.0);
  AddPoint(2, 30.0, 15.0);
  PointTable[1].Id = -1;  // a free slot below the count is not counted
  PointTable[1].X = 9999.0;
  cm.Surcharges.LoadAtXMax[1] = 5.0;
  cm.Surcharges.XMin[1] = -40.0;
  cm.Surcharges.XMax[1] = 35.0;
  cm.HorizontalForces.H[2] = 3.0;
  cm.HorizontalForces.Y[2] = 45.0;
  cm.HorizontalForces.H[0] = -8.0;  // a negative force is not counted
  cm.HorizontalForces.Y[0] = -900.0;
  FitViewToModel();
  // X: -40 .. 35, Y: 0 .. 45.
  EXPECT_EQ(ViewState.OriginX, -2.0);  // trunc(-2.5)
  EXPECT_NEAR(ViewState.Scale, std::min(600.0 / 85.0, 300.0 / 55.0) * 0.8333333333333334,
              kScaleTol);
  EXPECT_EQ(horizontal.Min(), -115);
  EXPECT_EQ(horizontal.Max(), 110);
  EXPECT_EQ(horizontal.Position(), -2);
  EXPECT_EQ(horizontal.LargeChange(), 25);
  EXPECT_EQ(horizontal.SmallChange(), 2);
}

TEST_F(ViewFittingTest, ModelFarLeftGivesTheHorizontalBarMaximumZero) {
  AddPoint(0, -300.0, 0.0);
  AddPoint(1, -200.0, 10.0);
  cm.kt = kMethodLineFromPoint;
  StraightSlipSettings.PointX[0] = -250.0;
  horizontal.Place(0, 100, 50);
  FitViewToModel();
  EXPECT_EQ(horizontal.Min(), -400);
  EXPECT_EQ(horizontal.Max(), 0);
  EXPECT_EQ(horizontal.Position(), -250);
  // The old position lay above the new maximum: minimum first, then position, then maximum.
  const std::vector<std::string> expected = {"disabled", "min -400", "position -250", "max 0",
                                             "large 33", "small 3",  "enabled"};
  EXPECT_EQ(horizontal.Log(), expected);
}

TEST_F(ViewFittingTest, BarBelowTheNewRangeTakesMaximumFirst) {
  AddPoint(0, 1000.0, 0.0);
  AddPoint(1, 1100.0, 0.0);
  cm.kt = kMethodLineFromPoint;
  StraightSlipSettings.PointX[0] = 1050.0;
  horizontal.Place(0, 100, 50);
  FitViewToModel();
  const std::vector<std::string> expected = {"disabled", "max 1200", "position 1050", "min 900",
                                             "large 33", "small 3",  "enabled"};
  EXPECT_EQ(horizontal.Log(), expected);
}

TEST_F(ViewFittingTest, VerticalBarIsMirroredAndTheOriginReadBackFromIt) {
  cm.kt = kMethodLineFromPoint;
  AddPoint(0, 0.0, 10.0);
  AddPoint(1, 0.0, 30.0);
  StraightSlipSettings.PointY[0] = 20.0;
  FitViewToModel();
  // Y 10 .. 30, DY 20: bar -10 .. 50, position trunc(50 - 20 - 10) = 20.
  EXPECT_EQ(vertical.Min(), -10);
  EXPECT_EQ(vertical.Max(), 50);
  EXPECT_EQ(vertical.Position(), 20);
  EXPECT_EQ(ViewState.OriginY, 20.0);
  // Every step at least 1 even for a single value.
  EXPECT_GE(vertical.SmallChange(), 1);
}

TEST_F(ViewFittingTest, VerticalBarPositionCountsDownFromTheTruncatedMaximum) {
  cm.kt = kMethodLineFromPoint;
  AddPoint(0, 0.0, 0.0);
  AddPoint(1, 0.0, 10.3);
  // Y 0 .. 10.3, DY 10.3: bar trunc(-10.3) = -10 .. trunc(20.6) = 20, position
  // trunc(20 - 10.3 - 5.15) = 4 (from the untruncated 20.6 it would be 5).
  FitViewToModel();
  EXPECT_EQ(vertical.Min(), -10);
  EXPECT_EQ(vertical.Max(), 20);
  EXPECT_EQ(vertical.Position(), 4);
  EXPECT_EQ(ViewState.OriginY, 6.0);  // 20 + -10 - 4
}

TEST_F(ViewFittingTest, AnEmptyImageKeepsTheOldScale) {
  canvas.Resize(0, 0);
  ViewState.Scale = 12.5;
  AddPoint(0, 100.0, 100.0);
  FitViewToModel();
  EXPECT_EQ(ViewState.Scale, 12.5);
  EXPECT_EQ(ViewState.ImageWidth, 600);
  EXPECT_EQ(ViewState.OriginX, 50.0);  // the point and the centre grid at 0
}

TEST_F(ViewFittingTest, ScrollHandlersMoveTheOrigin) {
  horizontal.Place(-50, 50, 17);
  vertical.Place(-10, 90, 30);
  HorizontalScrollChanged();
  VerticalScrollChanged();
  EXPECT_EQ(ViewState.OriginX, 17.0);
  EXPECT_EQ(ViewState.OriginY, 50.0);  // 90 + -10 - 30
}

TEST_F(ViewFittingTest, RedrawStepsFollowTheVisibleSizeAndNeverDropToZero) {
  OpenProject();
  ViewState.Scale = 2.0;  // 300 m x 150 m visible
  ViewState.ImageWidth = 600;
  ViewState.ImageHeight = 300;
  SetScrollStepsFromView();
  EXPECT_EQ(horizontal.LargeChange(), 100);
  EXPECT_EQ(horizontal.SmallChange(), 10);
  EXPECT_EQ(vertical.LargeChange(), 50);
  EXPECT_EQ(vertical.SmallChange(), 5);
  ViewState.Scale = 1e6;
  SetScrollStepsFromView();
  EXPECT_EQ(horizontal.LargeChange(), 1);
  EXPECT_EQ(vertical.SmallChange(), 1);
}

}  // namespace
}  // namespace selvana::test
