// Tests of the radius range of a circle centre and its arc-limit lines and points.
#include "calc/slicing/radius.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc/run_data.h"
#include "calc/slicing/test_models.h"

namespace selvana {
namespace {

using test::AddLine;
using test::SetPoint;

// Distances of points a few metres apart: a handful of roundings, far below 1e-9.
constexpr double kClose = 1e-9;

void UserRange(CircleSearchSettings& s, double rMin, double rMax, double dR) {
  s.Radius = {rMin, rMax, dR, 0.0};
}

void ExpectRange(double rMin, double rMax, double dR) {
  EXPECT_NEAR(RunData.SearchGrid.Radius[0], rMin, kClose);
  EXPECT_NEAR(RunData.SearchGrid.Radius[1], rMax, kClose);
  EXPECT_NEAR(RunData.SearchGrid.Radius[2], dR, kClose);
}

TEST(CircleRadiusRangeTest, WithoutLimitsKeepsTheUsersRange) {
  UserRange(FelleniusCircleSettings, 2.0, 9.0, 0.5);
  CircleRadiusRange(0.0, 0.0);
  ExpectRange(2.0, 9.0, 0.5);
}

TEST(CircleRadiusRangeTest, PassPointGivesOneRadiusWithPitchOneWhateverTheLimits) {
  UserRange(FelleniusCircleSettings, 2.0, 9.0, 0.5);
  FelleniusCircleSettings.PassPointOn = 1;
  FelleniusCircleSettings.PassPointX = 3.0;
  FelleniusCircleSettings.PassPointY = -4.0;
  SetPoint(0, 0.0, -1.0);
  AddLine(kLineSmallArcLimit, 0, 0);
  AddLine(kLineLargeArcLimitPoint, 0, 0);
  CircleRadiusRange(0.0, 0.0);
  ExpectRange(5.0, 5.0, 1.0);
}

TEST(CircleRadiusRangeTest, SmallLimitLevelRaisesRmin) {
  UserRange(FelleniusCircleSettings, 2.0, 9.0, 0.5);
  SetPoint(0, 100.0, -6.0);  // a line with equal ends is a level: only its Y counts
  AddLine(kLineSmallArcLimit, 0, 0);
  CircleRadiusRange(0.0, 0.0);
  ExpectRange(6.0, 9.0, 0.5);
}

TEST(CircleRadiusRangeTest, SmallLimitLineFartherThanRmaxLiftsRminToRmax) {
  UserRange(FelleniusCircleSettings, 2.0, 9.0, 0.5);
  SetPoint(0, -5.0, -12.0);
  SetPoint(1, 5.0, -12.0);
  AddLine(kLineSmallArcLimit, 0, 1);
  CircleRadiusRange(0.0, 0.0);
  ExpectRange(9.0, 9.0, 0.5);
}

TEST(CircleRadiusRangeTest, SmallLimitLineUsesTheNearerEndWhenTheFootMissesIt) {
  UserRange(FelleniusCircleSettings, 2.0, 9.0, 0.5);
  SetPoint(0, 3.0, -4.0);
  SetPoint(1, 10.0, -4.0);
  AddLine(kLineSmallArcLimit, 0, 1);
  CircleRadiusRange(0.0, 0.0);
  ExpectRange(5.0, 9.0, 0.5);
}

TEST(CircleRadiusRangeTest, SmallLimitPointBeyondRmaxLiftsRminAboveRmax) {
  UserRange(FelleniusCircleSettings, 2.0, 9.0, 0.5);
  SetPoint(0, 6.0, -8.0);
  AddLine(kLineSmallArcLimitPoint, 0, 0);
  SetPoint(1, 0.0, -3.0);
  SetPoint(2, 1.0, -3.0);
  AddLine(kLineSmallArcLimitPoint, 1, 2);  // not a point: ignored
  CircleRadiusRange(0.0, 0.0);
  ExpectRange(10.0, 9.0, 0.5);
}

TEST(CircleRadiusRangeTest, LargeLimitsLowerRmaxToTheNearest) {
  UserRange(FelleniusCircleSettings, 2.0, 9.0, 0.5);
  SetPoint(0, -3.0, -8.0);
  SetPoint(1, 3.0, -8.0);
  AddLine(kLineLargeArcLimit, 0, 1);  // perpendicular distance 8
  SetPoint(2, 4.0, 6.0);
  AddLine(kLineLargeArcLimitPoint, 2, 2);  // point at sqrt(52) = 7.211
  SetPoint(3, 50.0, -7.5);
  AddLine(kLineLargeArcLimit, 3, 3);  // level 7.5
  CircleRadiusRange(0.0, 0.0);
  ExpectRange(2.0, std::sqrt(52.0), 0.5);
}

TEST(CircleRadiusRangeTest, EachCircleMethodReadsTheSettingsOfItsFamily) {
  UserRange(FelleniusCircleSettings, 2.0, 9.0, 0.5);
  UserRange(BishopCircleSettings, 3.0, 7.0, 0.25);
  const struct {
    int kt;
    double rMin, rMax, dR;
  } kCases[] = {{kMethodTschebotarioff, 2.0, 9.0, 0.5},
                {kMethodBishop, 3.0, 7.0, 0.25},
                {kMethodModifiedBishop, 3.0, 7.0, 0.25}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.kt);
    cm.kt = c.kt;
    CircleRadiusRange(0.0, 0.0);
    ExpectRange(c.rMin, c.rMax, c.dR);
  }
}

}  // namespace
}  // namespace selvana
