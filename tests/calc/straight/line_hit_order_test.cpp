// The crossings of a method-3 line with the ground are gathered line by line, the part above
// the start point before the part below, so that crossings at the same point keep that order.
#include <gtest/gtest.h>

#include <cmath>

#include "calc/degree.h"
#include "calc/run_data.h"
#include "calc/straight/angle_search.h"
#include "calc/test_model_builder.h"

namespace selvana {
namespace {

TEST(StraightLineHitOrder, EachBoundaryLineGivesItsUpperThenItsLowerCrossing) {
  // Two boundary lines meeting at the start point (10, 0): both rays touch both lines there.
  const int a = test::AddTestPoint(0.0, 0.0);
  const int b = test::AddTestPoint(10.0, 0.0);
  const int c = test::AddTestPoint(10.0, -10.0);
  test::AddTestLine(kLineBoundary, a, b);
  test::AddTestLine(kLineBoundary, b, c);
  StraightSlipSettings.Side = 0;
  RunData.LineDirectionFactor = {1.0, std::cos(45 * kDegree), std::sin(45 * kDegree)};
  SlipLineSurfaceIntersections(10.0, 0.0, 45.0);
  ASSERT_EQ(4, RunData.SurfaceHits.Count);
  // Hits at exactly the start X keep their order through the sort.
  const int expectedFirstSlot[] = {a, a, b, b};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(10.0, RunData.SurfaceHits.X[i]) << "hit " << i;
    EXPECT_EQ(expectedFirstSlot[i], RunData.SurfaceHits.P1[i]) << "hit " << i;
  }
}

}  // namespace
}  // namespace selvana
