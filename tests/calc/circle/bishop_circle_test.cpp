// Bishop circles through the shared walk: a textbook simplified Bishop sum computed here on the
// same slices, the cohesion-only case against Fellenius, the modified formula without friction,
// mirroring, soil without any resistance, a surface driven against its sense, slices beyond
// the room of the slice records.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "calc/circle/bishop_search.h"
#include "calc/circle/bishop_slices.h"
#include "calc/circle/bishop_test_support.h"
#include "calc/fellenius_test_slopes.h"
#include "calc/progress/headless.h"
#include "calc/results/safety_factor.h"
#include "calc/results/slip_result.h"
#include "calc/slicing/polygons.h"

namespace selvana {
namespace {

using test::BuildHomogeneousSlope;
using test::EvaluateBishopCircle;
using test::EvaluateFelleniusCircle;
using test::Ratio;
using test::Soil;

// ---- A textbook simplified Bishop on the homogeneous slope, computed independently ----

// Ground of the homogeneous slope: level 0 up to x = 10, rising 1 in 2 to 10 at x = 30.
double Ground(double x) { return x <= 10.0 ? 0.0 : x <= 30.0 ? (x - 10.0) / 2.0 : 10.0; }

double Arc(double cx, double cy, double R, double x) {
  return cy - std::sqrt(R * R - (x - cx) * (x - cx));
}

// Where the arc meets the ground between lo and hi (one sign change), by bisection.
double Crossing(double cx, double cy, double R, double lo, double hi) {
  const auto h = [&](double x) { return Ground(x) - Arc(cx, cy, R, x); };
  const bool rising = h(lo) < 0.0;
  for (int i = 0; i < 200; ++i) {
    const double mid = (lo + hi) / 2.0;
    if ((h(mid) < 0.0) == rising)
      lo = mid;
    else
      hi = mid;
  }
  return (lo + hi) / 2.0;
}

struct TextbookSlice {
  double b, alpha, W;
};

// Slices of width at most `width` between the two crossings, the weight taken from the ground
// height over the arc at the slice middle (the ground is straight there).
std::vector<TextbookSlice> TextbookSlices(double cx, double cy, double R, double width,
                                          double gamma, double leftLo, double leftHi,
                                          double rightLo, double rightHi) {
  const double xb = Crossing(cx, cy, R, leftLo, leftHi);
  const double xa = Crossing(cx, cy, R, rightLo, rightHi);
  const int n = static_cast<int>(std::ceil((xa - xb) / width));
  const double w = (xa - xb) / n;
  std::vector<TextbookSlice> slices;
  for (int i = 0; i < n; ++i) {
    const double xR = xa - i * w, xL = xR - w, xm = xR - w / 2.0;
    const double alpha = std::atan2(Arc(cx, cy, R, xR) - Arc(cx, cy, R, xL), w);
    slices.push_back({w, alpha, gamma * w * (Ground(xm) - Arc(cx, cy, R, xm))});
  }
  return slices;
}

// F = Σ (c b + W tan φ) / (cos α + sin α tan φ / F) / Σ W sin α, iterated plainly to the end.
double TextbookBishop(const std::vector<TextbookSlice>& slices, double c, double phiDeg) {
  const double t = std::tan(phiDeg * std::numbers::pi / 180.0);
  double driving = 0.0;
  for (const TextbookSlice& s : slices) driving += s.W * std::sin(s.alpha);
  double F = 1.0;
  for (int step = 0; step < 200; ++step) {
    double resisting = 0.0;
    for (const TextbookSlice& s : slices) {
      resisting += (c * s.b + s.W * t) / (std::cos(s.alpha) + std::sin(s.alpha) * t / F);
    }
    F = resisting / driving;
  }
  return F;
}

class BishopCircle : public ::testing::Test {
 protected:
  void SetUp() override { cm.kt = kMethodBishop; }
};

TEST_F(BishopCircle, SimplifiedBishopMatchesTheTextbookSumRightOfTheCentre) {
  BuildHomogeneousSlope(Soil{});  // γ 18, c 10, φ 20
  // The arc enters the slope face between x = 10 and 15 and leaves it between 15 and 29, all
  // right of the centre, so α > 0 on every slice and |sin α tan φ| is the textbook term.
  ASSERT_EQ(1, EvaluateBishopCircle(8.0, 22.0, 21.9));
  const SlipResult& r = SlipResultTable[0][0];
  const double textbook =
      TextbookBishop(TextbookSlices(8.0, 22.0, 21.9, 0.1, 18.0, 9.0, 15.0, 15.0, 29.0), 10.0, 20.0);
  // The damped iteration stops when two values differ by less than 1e-5; its last ratio then
  // lies within a few 1e-6 of the fixed point.
  EXPECT_NEAR(textbook, Ratio(r), 2e-5);
  EXPECT_NEAR(2.245, textbook, 0.001);
  EXPECT_EQ(TruncateSafetyFactor(Ratio(r)), r.f);
  EXPECT_EQ(1, SlopeDirection);
  // Bishop counts the normal force that Fellenius leaves out: a little higher here.
  ASSERT_EQ(1, EvaluateFelleniusCircle(8.0, 22.0, 21.9));
  EXPECT_NEAR(2.228, Ratio(SlipResultTable[0][0]), 0.001);
}

TEST_F(BishopCircle, WithoutFrictionBothFormulasEqualFellenius) {
  struct Case {
    const char* name;
    int method;
    Soil soil;
  };
  const Case cases[] = {
      {"simplified", kMethodBishop, Soil{.c0 = 30.0, .phi = 0.0}},
      {"modified", kMethodModifiedBishop, Soil{.c0 = 30.0, .phi = 0.0}},
      {"modified_cohesion_growing", kMethodModifiedBishop, Soil{.c0 = 20.0, .phi = 0.0, .k = 1.5}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetProjectData();
    cm.kt = c.method;
    cm.CohesionRefHeight = 10.0;
    BuildHomogeneousSlope(c.soil);
    ASSERT_EQ(1, EvaluateBishopCircle(20.0, 25.0, std::sqrt(850.0)));
    const SlipResult bishop = SlipResultTable[0][0];
    cm.kt = kMethodFellenius;
    ASSERT_EQ(1, EvaluateFelleniusCircle(20.0, 25.0, std::sqrt(850.0)));
    const SlipResult fellenius = SlipResultTable[0][0];
    // c b / cos α is the chord length times c: equal up to rounding in the last digits.
    EXPECT_NEAR(fellenius.mr, bishop.mr, 1e-10 * fellenius.mr);
    EXPECT_NEAR(fellenius.md, bishop.md, 1e-10 * fellenius.md);
  }
}

TEST_F(BishopCircle, MirroringTheSlopeLeavesTheFactorUnchanged) {
  for (const int method : {kMethodBishop, kMethodModifiedBishop}) {
    SCOPED_TRACE(method);
    ResetProjectData();
    cm.kt = method;
    BuildHomogeneousSlope(Soil{});
    ASSERT_EQ(1, EvaluateBishopCircle(20.0, 25.0, std::sqrt(850.0)));
    const SlipResult right = SlipResultTable[0][0];
    EXPECT_EQ(1, SlopeDirection);

    ResetProjectData();
    cm.kt = method;
    BuildHomogeneousSlope(Soil{}, /*mirror=*/true);
    ASSERT_EQ(1, EvaluateBishopCircle(-20.0, 25.0, std::sqrt(850.0)));
    const SlipResult left = SlipResultTable[0][0];
    EXPECT_EQ(-1, SlopeDirection);
    // The same slices in the opposite order: sums agree to rounding.
    EXPECT_NEAR(right.mr, left.mr, 1e-9 * right.mr);
    EXPECT_NEAR(right.md, left.md, 1e-9 * right.md);
    EXPECT_EQ(right.f, left.f);
  }
}

TEST_F(BishopCircle, SoilWithoutAnyResistanceGivesZeroNotAMark) {
  // Soil with no cohesion and a friction angle just above "without strength": the ratio cuts
  // down to zero.
  BuildHomogeneousSlope(Soil{.c0 = 0.0, .phi = 0.0002});
  ASSERT_EQ(1, EvaluateBishopCircle(20.0, 25.0, std::sqrt(850.0)));
  const SlipResult& r = SlipResultTable[0][0];
  EXPECT_LT(r.mr, 1e-4 * r.md);
  EXPECT_GT(r.md, 0.0);
  EXPECT_EQ(0.0, r.f);
  BlockTable[0].Kind = kBlockWeightWater;  // a circle wholly in water is no candidate
  EXPECT_EQ(0, EvaluateBishopCircle(20.0, 25.0, std::sqrt(850.0)));
}

TEST_F(BishopCircle, SurfaceDrivenAgainstItsSenseGetsNoFactor) {
  // The mirrored slope slides towards larger X; a sense forced the other way makes the
  // driving total negative.
  BuildHomogeneousSlope(Soil{}, /*mirror=*/true);
  BishopCircleSettings.SlipDirection = 3;
  cm.MaxSafetyFactor = 1e7;  // let the marked surface into the table to look at it
  ASSERT_EQ(1, EvaluateBishopCircle(-20.0, 25.0, std::sqrt(850.0)));
  const SlipResult& r = SlipResultTable[0][0];
  EXPECT_LT(r.md, -1e-5);
  EXPECT_EQ(TruncateSafetyFactor(999999.99), r.f);
  // With the usual ceiling such a surface is never stored.
  cm.MaxSafetyFactor = 10000.0;
  EXPECT_EQ(0, EvaluateBishopCircle(-20.0, 25.0, std::sqrt(850.0)));
}

TEST_F(BishopCircle, SlicesBeyondTheRoomLeaveTheSurfaceWithoutFactor) {
  BuildHomogeneousSlope(Soil{});
  BuildBlockPolygons();
  EXPECT_GT(BishopSliceRoom(), 600u);  // 60 m of boundary at 0.1 m, and the intervals
  ASSERT_EQ(1, EvaluateBishopCircle(20.0, 25.0, std::sqrt(850.0)));
  EXPECT_EQ(0, BishopSlices.Dropped());
  BishopSlices.SetRoom(10);
  HeadlessProgress progress;
  BishopCircleMethod method(progress);
  cm.MaxSafetyFactor = 1e7;
  ClearSlipResults(1);
  EvaluateCircle(0, 20.0, 25.0, std::sqrt(850.0), method);
  ASSERT_EQ(1, SlipResultCount[0]);
  EXPECT_EQ(kNoSafetyFactor, SlipResultTable[0][0].f);
  EXPECT_GT(BishopSlices.Dropped(), 0);
}

}  // namespace
}  // namespace selvana
