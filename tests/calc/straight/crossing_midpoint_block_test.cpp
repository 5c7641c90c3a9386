// The block of a piece of a straight slip line is the block holding the middle of the piece,
// the mean of its two crossings, also on a line too steep for the line's own height formula.
#include <gtest/gtest.h>

#include <cmath>

#include "calc/degree.h"
#include "calc/run_data.h"
#include "calc/slicing/polygons.h"
#include "calc/straight/endpoint_search.h"
#include "calc/test_model_builder.h"

namespace selvana {
namespace {

TEST(StraightPieceBlock, NearlyVerticalLineFindsTheBlockAtTheMiddleOfItsPiece) {
  // A box 0..20 x 0..20; the line from (10, -10) to (10.00032, 30) leans 8e-6 from the
  // vertical: its cosine is below 1e-5, but its piece inside the box is 0.00016 m wide.
  const int p0 = test::AddTestPoint(0.0, 0.0);
  const int p1 = test::AddTestPoint(20.0, 0.0);
  const int p2 = test::AddTestPoint(20.0, 20.0);
  const int p3 = test::AddTestPoint(0.0, 20.0);
  test::AddBoundaryChain({p0, p1, p2, p3});
  const int block = test::AddTestBlock(5.0, 5.0, test::Soil{});
  BuildBlockPolygons();
  const double px = 10.0, py = -10.0, qx = 10.00032, qy = 30.0;
  const double alpha = std::atan2(qy - py, qx - px);
  RunData.LineDirectionFactor = {1.0, std::cos(alpha), std::sin(alpha)};
  ASSERT_LT(RunData.LineDirectionFactor.Cos, 1e-5);
  ASSERT_GT(alpha / kDegree, 89.99);
  SlipSegmentSurfaceIntersections(px, py, qx, qy);
  ASSERT_EQ(2, RunData.SurfaceHits.Count);
  ASSERT_GE(std::fabs(RunData.SurfaceHits.X[0] - RunData.SurfaceHits.X[1]), 0.0001);
  // The middle of the piece is at Y 10, inside the box.
  EXPECT_EQ(block, RunData.SurfaceHits.Block[0]);
}

}  // namespace
}  // namespace selvana
