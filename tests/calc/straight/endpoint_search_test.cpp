// The search between two segments (method 5): the homogeneous slope against the closed form of
// a single wedge (plain, with seismic load, with a surcharge), the division of the segments, the
// tolerance on their last point, the refinement pass and structures sliced like soil.
#include "calc/straight/endpoint_search.h"

#include <gtest/gtest.h>

#include <cmath>

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

using test::BuildHomogeneousSlope;
using test::SetSegments;
using test::Soil;

class StraightEndpointSearch : public test::ScratchFolderTest {
 protected:
  int Search(HeadlessProgress& progress) {
    BuildBlockPolygons();
    return SearchSlipLinesByEndpoints(progress);
  }
  int Search() {
    HeadlessProgress progress;
    return Search(progress);
  }
  const SlipResult& Stored(int pass0, int i) const { return SlipResultTable[pass0][i]; }
};

// The wedge from the toe (10, 0) to (40, 10) on the homogeneous slope (γ 18, C0 10, φ 20):
// area 50 m² (the triangle under the slope face less the line, plus the crest stretch), so
// W = 900 kN/m; base length √1000 at α = atan(1/3).
struct WedgeCase {
  const char* name;
  double kh;
  double load;  // kN/m² on X 30..40
  double f;     // the closed form, truncated to three decimals
};

double ClosedFormResisting(const WedgeCase& k) {
  const double a = std::atan(1.0 / 3.0), tp = std::tan(20.0 * kDegree);
  const double W = 900.0, Q = 10.0 * k.load, L = std::sqrt(1000.0);
  // Friction of weight and load on the base, less the seismic loss of friction (weight and load
  // shaken: the load counts in the seismic term by default).
  return 10.0 * L + (W + Q) * std::cos(a) * tp - (W + Q) * k.kh * std::sin(a) * tp;
}

double ClosedFormDriving(const WedgeCase& k) {
  const double a = std::atan(1.0 / 3.0);
  const double W = 900.0, Q = 10.0 * k.load;
  return (W + Q) * std::sin(a) + k.kh * W * std::cos(a);
}

TEST_F(StraightEndpointSearch, SingleWedgeMatchesItsClosedForm) {
  const WedgeCase cases[] = {
      {"plain", 0.0, 0.0, 2.203},       // 626.99 / 284.60 = 2.2030
      {"seismic", 0.1, 0.0, 1.666},     // 616.63 / 369.99 = 1.6666
      {"surcharge", 0.0, 10.0, 2.091},  // 661.52 / 316.23 = 2.0919
  };
  for (const WedgeCase& k : cases) {
    test::ResetAllState();
    BuildHomogeneousSlope(Soil{});
    cm.SeismicCoefficient = k.kh;
    cm.Surcharges.XMin[0] = 30.0, cm.Surcharges.XMax[0] = 40.0;
    cm.Surcharges.LoadAtXMin[0] = k.load, cm.Surcharges.LoadAtXMax[0] = k.load;
    SetSegments(10, 0, 10, 0, 40, 10, 40, 10, 1.0, 1.0);
    ASSERT_EQ(0, Search()) << k.name;
    // Segments of length 0 have one division: each point is tried twice, four equal lines.
    ASSERT_EQ(4, SlipResultCount[0]) << k.name;
    const SlipResult& r = Stored(0, 0);
    // The slices sum a linear height exactly by the mid-point rule: only rounding remains.
    EXPECT_NEAR(ClosedFormResisting(k), r.mr, 1e-9 * r.mr) << k.name;
    EXPECT_NEAR(ClosedFormDriving(k), r.md, 1e-9 * r.md) << k.name;
    EXPECT_DOUBLE_EQ(k.f, r.f) << k.name;  // each ratio lies well away from a step
    EXPECT_NEAR(40.0, r.sx, 1e-9) << k.name;
    EXPECT_NEAR(10.0, r.ex, 1e-9) << k.name;
    EXPECT_NEAR(std::atan(1.0 / 3.0) / kDegree, r.rr, 1e-9) << k.name;
    EXPECT_EQ(1, SlopeDirection) << k.name;
  }
}

TEST_F(StraightEndpointSearch, SegmentsAreDividedNoWiderThanTheSpacing) {
  BuildHomogeneousSlope(Soil{});
  // 10 m at 1 m: 11 divisions, 12 points; the end segment of length 0: one division, 2 points.
  SetSegments(0, 0, 10, 0, 40, 10, 40, 10, 1.0, 1.0);
  HeadlessProgress progress;
  ASSERT_EQ(0, Search(progress));
  EXPECT_EQ(24, progress.polls());
  EXPECT_NEAR(10.0 / 11.0, RunData.SearchGrid.PointStep[0], 1e-15);
}

TEST_F(StraightEndpointSearch, LastPointOfASegmentIsNotLostToRounding) {
  BuildHomogeneousSlope(Soil{});
  // 1.6 m at 0.6 m: 3 divisions; 0.1 + 3 x ((1.7 - 0.1) / 3) is 1.7000000000000002 in doubles,
  // past the user's end 1.7, yet it is the segment's last point.
  const double x0 = 0.1, x1 = 1.7;
  ASSERT_GT(x0 + 3 * ((x1 - x0) / 3), x1);
  SetSegments(x0, 0, x1, 0, 40, 10, 40, 10, 0.6, 1.0);
  HeadlessProgress progress;
  ASSERT_EQ(0, Search(progress));
  EXPECT_EQ(4 * 2, progress.polls());
}

// The best end point of pass 1 and how many of the 21 refined end points around it lie within
// the user's end segment X 40..50 (those beyond an end are skipped).
struct FirstPassBest {
  double endX;
  int refinedInside;
};

FirstPassBest BestOfFirstPass() {
  const SlipResult* best = &SlipResultTable[0][0];
  for (int i = 0; i < SlipResultCount[0]; ++i) {
    if (SlipResultTable[0][i].f < best->f) best = &SlipResultTable[0][i];
  }
  const bool atAnEnd = std::fabs(best->dx - 40.0) < 1e-9 || std::fabs(best->dx - 50.0) < 1e-9;
  return {best->dx, atAnEnd ? 11 : 21};
}

TEST_F(StraightEndpointSearch, SecondPassSearchesAroundTheBestPairAtATenthOfTheStep) {
  BuildHomogeneousSlope(Soil{});
  // The end segment: 10 m at 5 m gives 3 divisions of 10/3 m (4 points); the start point is
  // fixed (a segment of length 0: 2 tries of the same point).
  SetSegments(10, 0, 10, 0, 40, 10, 50, 10, 1.0, 5.0, 2);
  HeadlessProgress progress;
  ASSERT_EQ(0, Search(progress));
  const FirstPassBest best = BestOfFirstPass();
  // Pass 2 spans one old step each side of the best end point, at a tenth of the step.
  EXPECT_NEAR(best.endX - 10.0 / 3.0, RunData.SearchGrid.CentreX[2], 1e-9);
  EXPECT_NEAR(best.endX + 10.0 / 3.0, RunData.SearchGrid.CentreX[3], 1e-9);
  EXPECT_NEAR(1.0 / 3.0, RunData.SearchGrid.PointStep[2], 1e-12);
  // Pass 1: 2 x 4 pairs; pass 2: 21 start points (all the same) by the end points inside.
  EXPECT_EQ(2 * 4 + 21 * best.refinedInside, progress.polls());
  EXPECT_GT(SlipResultCount[1], 0);
  EXPECT_LE(MinSlip.F, SlipResultTable[0][0].f);
}

TEST_F(StraightEndpointSearch, StructureIsSlicedLikeSoil) {
  test::BuildSplitBox(kBlockStructure);
  SetSegments(25, 2, 25, 2, -5, 7, -5, 7, 1.0, 1.0);
  ASSERT_EQ(0, Search());
  ASSERT_GT(SlipResultCount[0], 0);
  // One wedge across both blocks, its ends collapsed onto the box sides.
  EXPECT_NEAR(20.0, Stored(0, 0).sx, 1e-9);
  EXPECT_NEAR(0.0, Stored(0, 0).ex, 1e-9);
}

TEST_F(StraightEndpointSearch, StopAtAPollKeepsWhatWasStored) {
  BuildHomogeneousSlope(Soil{});
  SetSegments(10, 0, 10, 0, 40, 10, 40, 10, 1.0, 1.0);
  HeadlessProgress progress(3);
  EXPECT_EQ(-1, Search(progress));
  EXPECT_EQ(-1, CalcStatus);
  EXPECT_EQ(2, SlipResultCount[0]);
  EXPECT_TRUE(HasFile("answer1.dmp"));
}

}  // namespace
}  // namespace selvana
