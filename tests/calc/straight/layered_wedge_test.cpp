// A wedge through two soil layers against an evaluation by hand: each piece of the line takes
// the friction and cohesion of its own layer, and carries the weight of both layers above it.
#include <gtest/gtest.h>

#include <cmath>

#include "calc/degree.h"
#include "calc/fellenius_test_slopes.h"
#include "calc/progress/headless.h"
#include "calc/results/slip_result.h"
#include "calc/slicing/polygons.h"
#include "calc/straight/endpoint_search.h"
#include "calc/straight/test_models.h"
#include "support/reset_all.h"

namespace selvana {
namespace {

// A box 0..20 wide: upper layer A from Y 5 to 10, lower layer B from 0 to 5. The line from
// (2, 0) to (18, 10) crosses the layer boundary at X 10.
const test::Soil kUpper = {19.0, 9.0, 12.0, 25.0};
const test::Soil kLower = {20.0, 10.0, 30.0, 10.0};

void BuildTwoLayers() {
  const int a = test::AddTestPoint(0.0, 0.0);
  const int b = test::AddTestPoint(20.0, 0.0);
  const int c = test::AddTestPoint(20.0, 5.0);
  const int d = test::AddTestPoint(20.0, 10.0);
  const int e = test::AddTestPoint(0.0, 10.0);
  const int f = test::AddTestPoint(0.0, 5.0);
  test::AddBoundaryChain({a, b, c, d, e, f});
  test::AddTestLine(kLineBoundary, f, c);
  test::AddTestBlock(10.0, 7.5, kUpper);
  test::AddTestBlock(10.0, 2.5, kLower);
}

struct Expected {
  double mr, md;
};

// Areas above the line: piece in A (X 10..18) under A only, 20 m²; piece in B (X 2..10) under
// 40 m² of A and 20 m² of B. Both pieces are sqrt(89) long.
Expected ByHand(double kh) {
  const double alpha = std::atan2(10.0, 16.0);
  const double ca = std::cos(alpha), sa = std::sin(alpha), length = std::sqrt(89.0);
  const double tanA = std::tan(kUpper.phi * kDegree), tanB = std::tan(kLower.phi * kDegree);
  const double wA = 20.0 * kUpper.gammaT, weA = 20.0 * kUpper.gammaE;
  const double wB = 40.0 * kUpper.gammaT + 20.0 * kLower.gammaT;
  const double weB = 40.0 * kUpper.gammaE + 20.0 * kLower.gammaE;
  const double friction = weA * ca * tanA + weB * ca * tanB - kh * sa * (wA * tanA + wB * tanB);
  const double cohesion = (kUpper.c0 + kLower.c0) * length;
  return {friction + cohesion, (wA + wB) * sa + kh * (wA + wB) * ca};
}

class StraightLayeredWedge : public test::ScratchFolderTest {};

TEST_F(StraightLayeredWedge, EachPieceResistsWithItsOwnLayer) {
  const double seismic[] = {0.0, 0.15};
  for (const double kh : seismic) {
    test::ResetAllState();
    BuildTwoLayers();
    cm.SeismicCoefficient = kh;
    cm.SliceWidth = 0.7;  // slices that do not divide the pieces evenly
    test::SetSegments(2, 0, 2, 0, 18, 10, 18, 10, 1.0, 1.0);
    BuildBlockPolygons();
    HeadlessProgress progress;
    ASSERT_EQ(0, SearchSlipLinesByEndpoints(progress)) << "kh " << kh;
    ASSERT_GE(SlipResultCount[0], 1) << "kh " << kh;
    const SlipResult& r = SlipResultTable[0][0];
    const Expected e = ByHand(kh);
    // Heights are linear between breakpoints, so the slices sum them exactly: only rounding.
    EXPECT_NEAR(e.mr, r.mr, 1e-9 * e.mr) << "kh " << kh;
    EXPECT_NEAR(e.md, r.md, 1e-9 * e.md) << "kh " << kh;
    EXPECT_NEAR(18.0, r.sx, 1e-9) << "kh " << kh;
    EXPECT_NEAR(2.0, r.ex, 1e-9) << "kh " << kh;
  }
}

}  // namespace
}  // namespace selvana
