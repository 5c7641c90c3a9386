// The search from a start point (method 3): the angle range narrowed by arc-limit lines and
// points, the side of the start point, the mirrored homogeneous slope against the closed form,
// Culmann's critical height, one angle per pass, the second pass, structures, re-entry.
#include "calc/straight/angle_search.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "calc/degree.h"
#include "calc/fellenius_test_slopes.h"
#include "calc/progress/headless.h"
#include "calc/results/slip_result.h"
#include "calc/run_data.h"
#include "calc/slicing/polygons.h"
#include "calc/straight/test_models.h"
#include "support/reset_all.h"

namespace selvana {
namespace {

using test::AddTestLine;
using test::AddTestPoint;
using test::BuildHomogeneousSlope;
using test::SetOneAngle;
using test::Soil;

// ---- Angle range ----

// Adds an arc-limit point of the kind at the direction angle a (degrees) from (0, 0).
void AddLimitPoint(int kind, double aDeg) {
  const int p = AddTestPoint(10.0 * std::cos(aDeg * kDegree), 10.0 * std::sin(aDeg * kDegree));
  AddTestLine(kind, p, p);
}

TEST(StraightAngleRange, LimitLinesNarrowTheRangeAndSetTheSense) {
  struct Case {
    const char* name;
    double lowerAt, upperAt;  // direction angles of the limit points; < 0 for none
    double min, max, factor;
  };
  // User range 5..60.
  const Case cases[] = {
      {"no limits: rises to the left", -1, -1, 5, 60, -1},
      {"upper up-right", -1, 30, 5, 30, 1},
      {"upper straight above folds to 90", -1, 90, 5, 60, -1},
      {"upper up-left", -1, 150, 5, 30, -1},
      {"upper down-left (third quarter)", -1, 200, 5, 20, 1},
      {"both", 20, 30, 20, 30, 1},
      {"both, exchanged", 35, 25, 25, 35, 1},
      {"lower only still raises the minimum", 20, -1, 20, 60, -1},
      {"limits outside the user's range", 2, 80, 5, 60, 1},
  };
  for (const Case& k : cases) {
    test::ResetAllState();
    StraightSlipSettings.Range = {5.0, 60.0, 1.0, 0.0};
    if (k.lowerAt >= 0) AddLimitPoint(kLineSmallArcLimitPoint, k.lowerAt);
    if (k.upperAt >= 0) AddLimitPoint(kLineLargeArcLimitPoint, k.upperAt);
    ASSERT_EQ(0, SlipAngleRange(0.0, 0.0));
    // The limit angles come from atan2 of rounded points: a few ulps off the round degrees.
    EXPECT_NEAR(k.min, RunData.SearchGrid.AngleRange[0], 1e-9) << k.name;
    EXPECT_NEAR(k.max, RunData.SearchGrid.AngleRange[1], 1e-9) << k.name;
    EXPECT_EQ(1.0, RunData.SearchGrid.AngleRange[2]) << k.name;
    EXPECT_EQ(k.factor, RunData.LineDirectionFactor.Factor) << k.name;
    EXPECT_EQ(k.factor > 0 ? 1 : -1, SlopeDirection) << k.name;
  }
}

TEST(StraightAngleRange, SmallestDirectionOverBothEndsOfALimitLine) {
  StraightSlipSettings.Range = {0.0, 80.0, 1.0, 0.0};
  // An upper-limit line from 50 degrees to 40 degrees: the smaller direction is the limit.
  const int a = AddTestPoint(10.0 * std::cos(50 * kDegree), 10.0 * std::sin(50 * kDegree));
  const int b = AddTestPoint(10.0 * std::cos(40 * kDegree), 10.0 * std::sin(40 * kDegree));
  AddTestLine(kLineLargeArcLimit, a, b);
  SlipAngleRange(0.0, 0.0);
  EXPECT_NEAR(40.0, RunData.SearchGrid.AngleRange[1], 1e-9);
}

// ---- Crossings of the line with the ground ----

TEST(StraightLineHits, SideChoosesThePartAboveOrBelowTheStartPoint) {
  BuildHomogeneousSlope(Soil{});
  BuildBlockPolygons();
  // From (20, -5) at 45 degrees to the right: up to the crest at (35, 10), down to the base at
  // (15, -10).
  RunData.LineDirectionFactor = {1.0, std::cos(45 * kDegree), std::sin(45 * kDegree)};
  struct Case {
    int side;
    std::vector<double> xs;
  };
  const Case cases[] = {{1, {35.0}}, {2, {15.0}}, {0, {35.0, 15.0}}};
  for (const Case& k : cases) {
    StraightSlipSettings.Side = k.side;
    SlipLineSurfaceIntersections(20.0, -5.0, 45.0);
    ASSERT_EQ(static_cast<int>(k.xs.size()), RunData.SurfaceHits.Count) << "side " << k.side;
    for (std::size_t i = 0; i < k.xs.size(); ++i) {
      EXPECT_NEAR(k.xs[i], RunData.SurfaceHits.X[i], 1e-9) << "side " << k.side;
    }
  }
  // Both: the piece between the two hits lies in the slope's block.
  EXPECT_EQ(0, RunData.SurfaceHits.Block[0]);
}

// ---- Whole searches ----

class StraightAngleSearch : public test::ScratchFolderTest {
 protected:
  int Search(HeadlessProgress& progress) {
    BuildBlockPolygons();
    return SearchSlipLinesByAngle(progress);
  }
  int Search() {
    HeadlessProgress progress;
    return Search(progress);
  }
  const SlipResult& Stored(int pass0, int i) const { return SlipResultTable[pass0][i]; }
};

TEST_F(StraightAngleSearch, MirroredSlopeFromTheToeMatchesTheClosedForm) {
  BuildHomogeneousSlope(Soil{}, /*mirror=*/true);
  // From the toe (-10, 0) up to the left at atan(1/3): the mirror of the method-5 wedge.
  SetOneAngle(-10.0, 0.0, 18.43494882, /*side=*/1);
  ASSERT_EQ(0, Search());
  ASSERT_EQ(1, SlipResultCount[0]);
  const SlipResult& r = Stored(0, 0);
  const double a = 18.43494882 * kDegree, tp = std::tan(20.0 * kDegree);
  // The crest is met at X = -10 - 10 / tan a; the wedge is the triangle under the face less the
  // line's part, plus the crest stretch: W = 18 x area.
  const double reach = 10.0 / std::tan(a);
  const double area = 0.5 * reach * 10.0 - 0.5 * 20.0 * 10.0;
  const double W = 18.0 * area, L = reach / std::cos(a);
  // The angle is rounded to 8 decimals, so compare the sums with the same angle, closely.
  EXPECT_NEAR(10.0 * L + W * std::cos(a) * tp, r.mr, 1e-9 * r.mr);
  EXPECT_NEAR(W * std::sin(a), r.md, 1e-9 * r.md);
  EXPECT_DOUBLE_EQ(2.203, r.f);
  EXPECT_NEAR(-18.43494882, r.rr, 1e-12);
  EXPECT_EQ(-1, MinSlip.Direction);
  EXPECT_EQ(-1, SlopeDirection);
}

TEST_F(StraightAngleSearch, CulmannCriticalHeightGivesFactorOneAtTheCriticalAngle) {
  struct Case {
    double beta, phi, c, gamma;
  };
  const Case cases[] = {{60, 20, 10, 18}, {45, 30, 5, 19}, {75, 10, 20, 17}};
  for (const Case& k : cases) {
    test::ResetAllState();
    const double H = test::CulmannCriticalHeight(k.c, k.gamma, k.beta, k.phi);
    test::BuildSlopeRisingLeft(H, k.beta, k.c, k.gamma, k.phi);
    SetOneAngle(0.0, 0.0, (k.beta + k.phi) / 2.0, /*side=*/1);
    ASSERT_EQ(0, Search()) << "beta " << k.beta;
    ASSERT_EQ(1, SlipResultCount[0]) << "beta " << k.beta;
    const SlipResult& r = Stored(0, 0);
    // Exact in theory; the slices sum linear heights, so only rounding separates mr and md.
    EXPECT_NEAR(1.0, r.mr / r.md, 1e-9) << "beta " << k.beta;
    // The truncation's allowance of 0.1 / 1000 keeps a ratio a rounding below 1 at 1.000.
    EXPECT_DOUBLE_EQ(1.0, r.f) << "beta " << k.beta;
  }
}

TEST_F(StraightAngleSearch, CriticalAngleIsTheMinimumAndPassTwoIsCentredOnIt) {
  const double H = test::CulmannCriticalHeight(10, 18, 60, 20);
  test::BuildSlopeRisingLeft(H, 60, 10, 18, 20);
  SetOneAngle(0.0, 0.0, 0.0, /*side=*/1, /*passes=*/2);
  StraightSlipSettings.Range = {30.0, 50.0, 1.0, 0.0};
  HeadlessProgress progress;
  ASSERT_EQ(0, Search(progress));
  // Pass 1: 21 angles; pass 2: 39..41 at 0.1, 21 angles.
  EXPECT_EQ(21 + 21, progress.polls());
  EXPECT_NEAR(39.0, RunData.SearchGrid.AngleRange[0], 1e-9);
  EXPECT_NEAR(41.0, RunData.SearchGrid.AngleRange[1], 1e-9);
  EXPECT_NEAR(0.1, RunData.SearchGrid.AngleRange[2], 1e-15);
  double lowest = 1e9;
  int bestPass1 = 0;
  for (int i = 0; i < SlipResultCount[0]; ++i) {
    if (Stored(0, i).f < lowest) lowest = Stored(0, i).f, bestPass1 = i;
  }
  EXPECT_NEAR(-40.0, Stored(0, bestPass1).rr, 1e-9);
  EXPECT_DOUBLE_EQ(1.0, lowest);
  EXPECT_EQ(21, SlipResultCount[1]);
  EXPECT_TRUE(HasFile("answer1.dmp"));
  EXPECT_TRUE(HasFile("answer2.dmp"));
  // Best at the end of the range (the stored angle -40): pass 2 stays within 40..50.
  StraightSlipSettings.Range = {40.0, 50.0, 1.0, 0.0};
  ASSERT_EQ(0, Search());
  EXPECT_EQ(40.0, RunData.SearchGrid.AngleRange[0]);
  EXPECT_NEAR(41.0, RunData.SearchGrid.AngleRange[1], 1e-9);
}

TEST_F(StraightAngleSearch, OneAngleWhenMinimumAndMaximumMeet) {
  BuildHomogeneousSlope(Soil{}, true);
  SetOneAngle(-10.0, 0.0, 18.0, 1);
  StraightSlipSettings.Range = {18.0, 18.00005, 5.0, 0.0};
  HeadlessProgress progress;
  ASSERT_EQ(0, Search(progress));
  EXPECT_EQ(1, progress.polls());
  EXPECT_DOUBLE_EQ(-18.0, Stored(0, 0).rr);
}

TEST_F(StraightAngleSearch, EmptyRangeEvaluatesNothingAndEnds) {
  BuildHomogeneousSlope(Soil{}, true);
  SetOneAngle(-10.0, 0.0, 18.0, 1, 2);
  StraightSlipSettings.Range = {20.0, 18.0, 1.0, 0.0};
  HeadlessProgress progress;
  ASSERT_EQ(0, Search(progress));
  EXPECT_EQ(0, progress.polls());
  EXPECT_EQ(0, SlipResultCount[0]);
}

TEST_F(StraightAngleSearch, GridAnglesAreClampedIntoTheRange) {
  BuildHomogeneousSlope(Soil{}, true);
  SetOneAngle(-10.0, 0.0, 0.0, 1);
  // The grid runs from floor(12.5 / 5) x 5 = 10 to ceil(21 / 5) x 5 = 25: 10, 15, 20, 25,
  // evaluated as 12.5, 15, 20, 21.
  StraightSlipSettings.Range = {12.5, 21.0, 5.0, 0.0};
  ASSERT_EQ(0, Search());
  const double expected[] = {-12.5, -15.0, -20.0, -21.0};
  ASSERT_EQ(4, SlipResultCount[0]);
  for (int i = 0; i < 4; ++i) EXPECT_DOUBLE_EQ(expected[i], Stored(0, i).rr);
}

TEST_F(StraightAngleSearch, StructureEndsTheWalkOfItsAngle) {
  // From (30, 2) up to the left at 10 degrees: through the right block, then the left one.
  for (const int kind : {kBlockSoil, kBlockStructure}) {
    test::ResetAllState();
    test::BuildSplitBox(kind);
    SetOneAngle(30.0, 2.0, 10.0, 1);
    ASSERT_EQ(0, Search());
    if (kind == kBlockSoil) {
      ASSERT_EQ(1, SlipResultCount[0]);
      EXPECT_NEAR(20.0, Stored(0, 0).sx, 1e-9);
      EXPECT_NEAR(0.0, Stored(0, 0).ex, 1e-9);
    } else {
      // Invalid before its first slice: no ends, refused by the store.
      EXPECT_EQ(0, SlipResultCount[0]);
    }
  }
}

TEST_F(StraightAngleSearch, ReenteringSoilGivesTwoWedges) {
  test::BuildTwoBoxes();
  SetOneAngle(30.0, 2.0, 10.0, 1);
  ASSERT_EQ(0, Search());
  ASSERT_EQ(2, SlipResultCount[0]);
  EXPECT_NEAR(25.0, Stored(0, 0).sx, 1e-9);
  EXPECT_NEAR(15.0, Stored(0, 0).ex, 1e-9);
  EXPECT_NEAR(10.0, Stored(0, 1).sx, 1e-9);
  EXPECT_NEAR(0.0, Stored(0, 1).ex, 1e-9);
  EXPECT_EQ(Stored(0, 0).rr, Stored(0, 1).rr);
}

TEST_F(StraightAngleSearch, WaterAndSoilWithoutStrengthCloseTheWedge) {
  // From (30, 2) up to the left at 10 degrees: the right half of the box ends the wedge, which
  // is then the left half alone.
  auto leftWedge = [this](int rightKind, double rightStrength) {
    test::ResetAllState();
    const int right = test::BuildSplitBox(rightKind);
    BlockTable[right].Cohesion = rightStrength;
    BlockTable[right].FrictionAngle = rightStrength;
    if (rightKind != kBlockSoil) BlockTable[right].UnitWeight = 2.0;  // thrust below the drive
    SetOneAngle(30.0, 2.0, 10.0, 1);
    EXPECT_EQ(0, Search());
    EXPECT_EQ(1, SlipResultCount[0]);
    return Stored(0, 0);
  };
  const SlipResult weak = leftWedge(kBlockSoil, 0.0);
  EXPECT_NEAR(10.0, weak.sx, 1e-9);
  EXPECT_NEAR(0.0, weak.ex, 1e-9);
  for (const int water : {kBlockPressureWater, kBlockWeightWater}) {
    const SlipResult r = leftWedge(water, 10.0);
    EXPECT_NEAR(10.0, r.sx, 1e-9);
    // The water column beside the wedge's right end, from the line up to 10, pushes on its end
    // face: its thrust comes off the drive.
    const double h = 10.0 - (2.0 + 20.0 * std::tan(10.0 * kDegree));
    EXPECT_NEAR(weak.mdw - 0.5 * 2.0 * h * h, r.mdw, 1e-9 * weak.mdw) << "kind " << water;
    EXPECT_NEAR(weak.mr, r.mr, 1e-9 * weak.mr) << "kind " << water;
  }
}

TEST_F(StraightAngleSearch, UncutLineMakesTheWedgeInvalid) {
  BuildHomogeneousSlope(Soil{}, true);
  // A short uncut line across the wedge's base.
  AddTestLine(kLineUncut, AddTestPoint(-20, 0), AddTestPoint(-20, 5));
  SetOneAngle(-10.0, 0.0, 18.43494882, 1);
  ASSERT_EQ(0, Search());
  EXPECT_EQ(0, SlipResultCount[0]);
}

TEST_F(StraightAngleSearch, PassesBeyondTheFourTablesAreHeldToFour) {
  BuildHomogeneousSlope(Soil{}, true);
  SetOneAngle(-10.0, 0.0, 18.0, 1, 9);
  HeadlessProgress progress;
  ASSERT_EQ(0, Search(progress));
  // Four passes, each refining around the best angle of the last at a tenth of the step (1,
  // 0.1, 0.01, 0.001); every pass fills its own table.
  EXPECT_NEAR(0.001, RunData.SearchGrid.AngleRange[2], 1e-15);
  for (int t = 0; t < 4; ++t) EXPECT_GT(SlipResultCount[t], 0) << "table " << t;
  EXPECT_TRUE(HasFile("answer4.dmp"));
}

TEST_F(StraightAngleSearch, StopAtAPollReturnsAtOnce) {
  BuildHomogeneousSlope(Soil{}, true);
  SetOneAngle(-10.0, 0.0, 0.0, 1);
  StraightSlipSettings.Range = {10.0, 30.0, 1.0, 0.0};
  HeadlessProgress progress(5);
  EXPECT_EQ(-1, Search(progress));
  EXPECT_EQ(-1, CalcStatus);
  EXPECT_EQ(4, SlipResultCount[0]);
}

}  // namespace
}  // namespace selvana
