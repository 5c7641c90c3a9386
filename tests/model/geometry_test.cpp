// Tests of the plane geometry primitives: results and points at and around every tolerance,
// including the asymmetric end tests of the circle crossing and a centre on the line.
#include "model/geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

namespace selvana {
namespace {

// Points built from exact binary values come out exact; the rest carry a few rounding steps
// of values near 1, so 1e-12 is far below any tolerance under test.
constexpr double kClose = 1e-12;

double Above(double v) { return std::nextafter(v, 1e300); }
double Below(double v) { return std::nextafter(v, -1e300); }

struct SegmentsCase {
  std::string name;
  double ax, ay, bx, by, cx, cy, dx, dy;
  int result;
  double x, y;
};

void PrintTo(const SegmentsCase& c, std::ostream* os) { *os << c.name; }

class IntersectSegmentsTest : public ::testing::TestWithParam<SegmentsCase> {};

TEST_P(IntersectSegmentsTest, GivesResultAndPoint) {
  const SegmentsCase& c = GetParam();
  double x = -77.0, y = -77.0;
  EXPECT_EQ(IntersectSegments(c.ax, c.ay, c.bx, c.by, c.cx, c.cy, c.dx, c.dy, x, y), c.result);
  EXPECT_NEAR(x, c.x, kClose);
  EXPECT_NEAR(y, c.y, kClose);
}

// The crossing line x = v makes the parameter on (0,0)-(1,0) exactly v, and y = v on c-d.
INSTANTIATE_TEST_SUITE_P(
    Cases, IntersectSegmentsTest,
    ::testing::Values(SegmentsCase{"CrossingInside", 0, 0, 2, 2, 0, 2, 2, 0, 0, 1, 1},
                      SegmentsCase{"AtEndOfFirst", 0, 0, 1, 0, 1, -1, 1, 1, 0, 1, 0},
                      SegmentsCase{"BeyondFirst", 0, 0, 1, 0, 2, -1, 2, 1, 1, 2, 0},
                      SegmentsCase{"BeyondSecond", 0, 0, 1, 0, 0.5, 1, 0.5, 2, 2, 0.5, 0},
                      SegmentsCase{"BeyondBoth", 0, 0, 1, 0, 3, 1, 3, 2, 3, 3, 0},
                      SegmentsCase{"FirstAtUpperWindow", 0, 0, 1, 0, 1.000000001, -1, 1.000000001,
                                   1, 0, 1.000000001, 0},
                      SegmentsCase{"FirstPastUpperWindow", 0, 0, 1, 0, Above(1.000000001), -1,
                                   Above(1.000000001), 1, 1, Above(1.000000001), 0},
                      SegmentsCase{"FirstAtLowerWindow", 0, 0, 1, 0, -0.000000001, -1, -0.000000001,
                                   1, 0, -0.000000001, 0},
                      SegmentsCase{"FirstPastLowerWindow", 0, 0, 1, 0, Below(-0.000000001), -1,
                                   Below(-0.000000001), 1, 1, Below(-0.000000001), 0},
                      SegmentsCase{"SecondAtUpperWindow", -1, 1.000000001, 1, 1.000000001, 0, 0, 0,
                                   1, 0, 0, 1.000000001},
                      SegmentsCase{"SecondPastLowerWindow", -1, Below(-0.000000001), 1,
                                   Below(-0.000000001), 0, 0, 0, 1, 2, 0, Below(-0.000000001)}),
    [](const auto& info) { return info.param.name; });

TEST(IntersectSegments, ParallelLinesLeaveOutputsUntouched) {
  double x = -77.0, y = -77.0;
  EXPECT_EQ(IntersectSegments(0, 0, 1, 0, 0, 1, 5, 1, x, y), -1);
  EXPECT_EQ(IntersectSegments(0, 0, 1, 1, 2, 2, 3, 3, x, y), -1);  // collinear
  EXPECT_EQ(x, -77.0);
  EXPECT_EQ(y, -77.0);
}

struct FootCase {
  std::string name;
  double ax, ay, bx, by, px, py;
  int result;
  double fx, fy;
};

void PrintTo(const FootCase& c, std::ostream* os) { *os << c.name; }

class PerpendicularFootTest : public ::testing::TestWithParam<FootCase> {};

TEST_P(PerpendicularFootTest, GivesResultAndFoot) {
  const FootCase& c = GetParam();
  double fx = -77.0, fy = -77.0;
  EXPECT_EQ(PerpendicularFoot(c.ax, c.ay, c.bx, c.by, c.px, c.py, fx, fy), c.result);
  EXPECT_NEAR(fx, c.fx, kClose);
  EXPECT_NEAR(fy, c.fy, kClose);
}

INSTANTIATE_TEST_SUITE_P(Cases, PerpendicularFootTest,
                         ::testing::Values(FootCase{"Inside", 0, 0, 4, 0, 1, 3, 0, 1, 0},
                                           FootCase{"AtEnd", 0, 0, 1, 0, 1, 5, 0, 1, 0},
                                           FootCase{"AtStart", 0, 0, 1, 0, 0, -5, 0, 0, 0},
                                           FootCase{"BeyondEndStillWritten", 0, 0, 1, 0, 2, 1, 1, 2,
                                                    0},
                                           FootCase{"BeforeStart", 0, 0, 1, 0, -0.5, 1, 1, -0.5, 0},
                                           FootCase{"Slanted", 0, 0, 2, 2, 2, 0, 0, 1, 1}),
                         [](const auto& info) { return info.param.name; });

TEST(PerpendicularFoot, DegenerateBelowSquaredLengthOfOneE10) {
  double fx = -77.0, fy = -77.0;
  EXPECT_EQ(PerpendicularFoot(3, 3, 3, 3, 0, 0, fx, fy), -1);
  // Squared length 0.81e-10: degenerate although the length itself is 9e-6.
  EXPECT_EQ(PerpendicularFoot(0, 0, 9e-6, 0, 0, 1, fx, fy), -1);
  EXPECT_EQ(fx, -77.0);
  // Length 2e-5, squared 4e-10: usable.
  EXPECT_EQ(PerpendicularFoot(0, 0, 2e-5, 0, 1e-5, 1, fx, fy), 0);
}

TEST(ExtendLinePoint, MovesAlongTheLineBeyondB) {
  double x = 0, y = 0;
  ASSERT_EQ(ExtendLinePoint(0, 0, 3, 4, 5, x, y), 0);
  EXPECT_NEAR(x, 6, kClose);
  EXPECT_NEAR(y, 8, kClose);
  ASSERT_EQ(ExtendLinePoint(0, 0, 3, 4, -10, x, y), 0);
  EXPECT_NEAR(x, -3, kClose);
  EXPECT_NEAR(y, -4, kClose);
}

TEST(ExtendLinePoint, DegenerateOnlyBelowPlainLengthOfOneE10) {
  double x = -77, y = -77;
  EXPECT_EQ(ExtendLinePoint(1, 1, 1, 1, 5, x, y), -1);
  EXPECT_EQ(x, -77);
  // 9e-6 long: too short for the perpendicular foot, long enough here.
  EXPECT_EQ(ExtendLinePoint(0, 0, 9e-6, 0, 1, x, y), 0);
  EXPECT_NEAR(x, 1 + 9e-6, 1e-9);  // the parameter (L + d) / L is ~1e5, so ~1e-11 of error
}

struct OffsetCase {
  std::string name;
  double ax, ay, bx, by, dist;
  double x, y;
};

void PrintTo(const OffsetCase& c, std::ostream* os) { *os << c.name; }

class OffsetPointPerpendicularTest : public ::testing::TestWithParam<OffsetCase> {};

TEST_P(OffsetPointPerpendicularTest, MovesBSideways) {
  const OffsetCase& c = GetParam();
  double x = 0, y = 0;
  ASSERT_EQ(OffsetPointPerpendicular(c.ax, c.ay, c.bx, c.by, c.dist, x, y), 0);
  EXPECT_NEAR(x, c.x, kClose);
  EXPECT_NEAR(y, c.y, kClose);
}

INSTANTIATE_TEST_SUITE_P(Cases, OffsetPointPerpendicularTest,
                         ::testing::Values(OffsetCase{"LeftForPositive", 0, 0, 1, 0, 1, 1, 1},
                                           OffsetCase{"RightForNegative", 0, 0, 1, 0, -1, 1, -1}),
                         [](const auto& info) { return info.param.name; });

TEST(OffsetPointPerpendicular, DegenerateSegmentIsRefused) {
  double x = -77, y = -77;
  EXPECT_EQ(OffsetPointPerpendicular(2, 2, 2, 2, 1, x, y), -1);
  EXPECT_EQ(x, -77);
}

TEST(SignedDistanceToLine, PositiveOnTheLeft) {
  EXPECT_NEAR(SignedDistanceToLine(0, 0, 1, 0, 0, 1), 1, kClose);
  EXPECT_NEAR(SignedDistanceToLine(0, 0, 1, 0, 0, -1), -1, kClose);
  EXPECT_NEAR(SignedDistanceToLine(0, 0, 0, 2, 3, 7), -3, kClose);
}

TEST(SignedDistanceToLine, PlainDistanceFromDegenerateLine) {
  EXPECT_NEAR(SignedDistanceToLine(1, 1, 1, 1, 4, 5), 5, kClose);
}

struct CircleCase {
  std::string name;
  double ax, ay, bx, by, cx, cy, r;
  int result;
  double x1, y1, x2, y2;
};

void PrintTo(const CircleCase& c, std::ostream* os) { *os << c.name; }

class IntersectSegmentCircleTest : public ::testing::TestWithParam<CircleCase> {};

TEST_P(IntersectSegmentCircleTest, GivesResultAndPoints) {
  const CircleCase& c = GetParam();
  double x1 = -77, y1 = -77, x2 = -77, y2 = -77;
  EXPECT_EQ(IntersectSegmentCircle(c.ax, c.ay, c.bx, c.by, c.cx, c.cy, c.r, x1, y1, x2, y2),
            c.result);
  if (c.result < 0) return;
  EXPECT_NEAR(x1, c.x1, kClose);
  EXPECT_NEAR(y1, c.y1, kClose);
  EXPECT_NEAR(x2, c.x2, kClose);
  EXPECT_NEAR(y2, c.y2, kClose);
}

const double kRoot3 = std::sqrt(3.0);
constexpr double kTol = 0.00001;

// The circles of the window cases stand over one end a, radius 5 at height 4, so the foot is a
// itself and the crossings lie exactly 3 either side of it; the other end b is placed at the
// tolerance from the crossing under test. P1 lies on +X when the centre is above the segment.
INSTANTIATE_TEST_SUITE_P(
    Cases, IntersectSegmentCircleTest,
    ::testing::Values(
        CircleCase{"Tangent", -2, 0, 2, 0, 0, 1, 1, 10, 0, 0, 0, 0},
        CircleCase{"Secant", -2, 0, 2, 0, 0, 1, 2, 0, kRoot3, 0, -kRoot3, 0},
        CircleCase{"SecantBelowSwapsSides", -2, 0, 2, 0, 0, -1, 2, 0, -kRoot3, 0, kRoot3, 0},
        CircleCase{"Misses", -2, 0, 2, 0, 0, 3, 2, -1, 0, 0, 0, 0},
        CircleCase{"BothOutside", 0, 0, 1, 0, 0.5, 4, 5, 3, 3.5, 0, -2.5, 0},
        CircleCase{"OnlySecondOutside", 0, 0, 10, 0, 2, 4, 5, 1, 5, 0, -1, 0},
        // A vertical segment has no X extent: only the Y axis can see P2 beyond its end.
        CircleCase{"VerticalJudgedOnY", 0, 0, 0, 10, 4, 10, 5, 1, 0, 7, 0, 13},
        // Tangent point at the window: outside at exactly the tolerance. On (0,0)-(1,0) the
        // foot is exactly the centre's X.
        CircleCase{"TangentAtLowWindow", 0, 0, 1, 0, -kTol, 1, 1, 11, -kTol, 0, -kTol, 0},
        CircleCase{"TangentInsideLowWindow", 0, 0, 1, 0, Above(-kTol), 1, 1, 10, -kTol, 0, -kTol,
                   0},
        CircleCase{"TangentAtHighWindow", 0, 0, 1, 0, 1 + kTol, 1, 1, 11, 1 + kTol, 0, 1 + kTol, 0},
        CircleCase{"TangentInsideHighWindow", 0, 0, 1, 0, Below(1 + kTol), 1, 1, 10, 1 + kTol, 0,
                   1 + kTol, 0},
        // P1 below lo: outside at exactly the tolerance (P2 lies far beyond hi).
        CircleCase{"FirstAtLowWindow", 3, 0, kTol, 0, 3, -4, 5, 3, 0, 0, 6, 0},
        CircleCase{"FirstInsideLowWindow", 3, 0, Below(kTol), 0, 3, -4, 5, 1, 0, 0, 6, 0},
        // P2 below lo: still inside at exactly the tolerance (P1 lies far beyond hi).
        CircleCase{"SecondAtLowWindow", 3, 0, kTol, 0, 3, 4, 5, 2, 6, 0, 0, 0},
        CircleCase{"SecondPastLowWindow", 3, 0, Above(kTol), 0, 3, 4, 5, 3, 6, 0, 0, 0},
        // P1 above hi: outside at exactly the tolerance (P2 lies far below lo).
        CircleCase{"FirstAtHighWindow", -3, 0, -kTol, 0, -3, 4, 5, 3, 0, 0, -6, 0},
        CircleCase{"FirstInsideHighWindow", -3, 0, Above(-kTol), 0, -3, 4, 5, 1, 0, 0, -6, 0},
        // P2 above hi: still inside at exactly the tolerance (P1 lies far below lo).
        CircleCase{"SecondAtHighWindow", -3, 0, -kTol, 0, -3, -4, 5, 2, -6, 0, 0, 0},
        CircleCase{"SecondPastHighWindow", -3, 0, Below(-kTol), 0, -3, -4, 5, 3, -6, 0, 0, 0},
        // The centre on the line: one radius either way along a→b.
        CircleCase{"CentreOnLine", -2, 0, 2, 0, 0, 0, 1, 0, 1, 0, -1, 0},
        CircleCase{"CentreOnLineReversed", 2, 0, -2, 0, 0, 0, 1, 0, -1, 0, 1, 0},
        CircleCase{"CentreOnLineFirstOutside", 0, 0, 4, 0, 3, 0, 2, 2, 5, 0, 1, 0},
        CircleCase{"CentreOnSlantedLine", 0, 0, 4, 4, 2, 2, std::sqrt(2.0), 0, 3, 3, 1, 1},
        CircleCase{"CentreOnLineTinyRadiusIsTangent", 0, 0, 4, 0, 2, 0, 1e-6, 10, 2, 0, 2, 0}),
    [](const auto& info) { return info.param.name; });

TEST(IntersectSegmentCircle, DegenerateSegmentIsNoCrossing) {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  // 9e-6 long: below the squared-length limit of the perpendicular foot.
  EXPECT_EQ(IntersectSegmentCircle(0, 0, 9e-6, 0, 0, 0, 1, x1, y1, x2, y2), -1);
}

TEST(IntersectSegmentCircle, TangencyWindowIsOneE5) {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  // Distance 1 from the line: radius 1.000009 is still a touch, 1.00002 a cut.
  EXPECT_EQ(IntersectSegmentCircle(-2, 0, 2, 0, 0, 1, 1.000009, x1, y1, x2, y2), 10);
  EXPECT_EQ(IntersectSegmentCircle(-2, 0, 2, 0, 0, 1, 1.00002, x1, y1, x2, y2), 0);
  EXPECT_EQ(IntersectSegmentCircle(-2, 0, 2, 0, 0, 1, 0.999991, x1, y1, x2, y2), -1);
}

}  // namespace
}  // namespace selvana
