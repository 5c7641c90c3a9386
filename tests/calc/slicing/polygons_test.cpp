// Tests of the block polygons of a run and of their cuts with verticals.
#include "calc/slicing/polygons.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "calc/run_data.h"
#include "calc/slicing/test_models.h"
#include "model/line_records.h"

namespace selvana {
namespace {

// Heights come from one interpolation of values of order 10: far inside 1e-9.
constexpr double kClose = 1e-9;

std::vector<int> PolygonPoints(int b) {
  const auto& p = BlockPolygonLists.Points[b];
  return {p.begin(), p.begin() + BlockPolygonLists.Count[b] + 1};
}

TEST(BlockPolygonsTest, SquareKeepsClosedOutlineAndBoundingBox) {
  test::BuildSquareBlock();
  BuildBlockPolygons();
  ASSERT_EQ(BlockPolygonLists.Count[0], 4);
  std::vector<int> ring = PolygonPoints(0);
  EXPECT_EQ(ring.front(), ring.back());
  ring.pop_back();
  std::sort(ring.begin(), ring.end());
  EXPECT_EQ(ring, (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(BlockTable[0].BBox, (std::array<double, 4>{10.0, 0.0, 10.0, 0.0}));
}

TEST(BlockPolygonsTest, SlotsAtOrAboveBlockCountHaveNoPolygon) {
  test::BuildSquareBlock();
  BlockPolygonLists.Count[5] = 3;  // left over from an earlier run
  BuildBlockPolygons();
  for (int b = 1; b < kMaxBlocks; ++b) EXPECT_EQ(BlockPolygonLists.Count[b], -1) << b;
}

TEST(BlockPolygonsTest, OpenOrShortOutlineGivesNoPolygonAndKeepsBox) {
  test::SetPoint(0, 0, 0);
  test::SetPoint(1, 10, 0);
  test::AddLine(kLineBoundary, 0, 1);
  test::SetBlock(0, 5, 5);
  BlockTable[0].BBox = {1, 2, 3, 4};
  BuildBlockPolygons();
  EXPECT_EQ(BlockPolygonLists.Count[0], -1);
  EXPECT_EQ(BlockTable[0].BBox, (std::array<double, 4>{1, 2, 3, 4}));
}

TEST(BlockPolygonsTest, ModelWithoutBoundaryLinesIgnoresAStaleOutline) {
  test::SetBlock(0, 5, 5);
  BlockOutline.Count = 5;  // an outline traced earlier by someone else
  BlockOutline.Points = {};
  BuildBlockPolygons();
  EXPECT_EQ(BlockPolygonLists.Count[0], -1);
}

TEST(BlockPolygonsTest, FreeSlotBelowBlockCountIsTracedButNeverCut) {
  test::BuildSquareBlock();
  BlockTable[0].Number = -1;
  BuildBlockPolygons();
  EXPECT_EQ(BlockPolygonLists.Count[0], 4);
  BlockHeightsAtX(5.0, RunData.SliceSideHeights.TopA, RunData.SliceSideHeights.BottomA);
  EXPECT_EQ(RunData.SliceSideHeights.TopA[0], kNoTop);
  EXPECT_EQ(RunData.SliceSideHeights.BottomA[0], kNoBottom);
  EXPECT_EQ(BlockHoldingPoint(5.0, 5.0), -1);
}

struct HeightsCase {
  std::string name;
  double x;
  double top0, bottom0, top1, bottom1;
};

class BlockHeightsAtXTest : public ::testing::TestWithParam<HeightsCase> {};

TEST_P(BlockHeightsAtXTest, GivesTopAndBottomOfBothLayers) {
  const HeightsCase& c = GetParam();
  test::BuildTwoLayerSlope();
  BuildBlockPolygons();
  std::array<double, kMaxBlocks> tops{}, bottoms{};
  BlockHeightsAtX(c.x, tops, bottoms);
  EXPECT_NEAR(tops[0], c.top0, kClose);
  EXPECT_NEAR(bottoms[0], c.bottom0, kClose);
  EXPECT_NEAR(tops[1], c.top1, kClose);
  EXPECT_NEAR(bottoms[1], c.bottom1, kClose);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BlockHeightsAtXTest,
    ::testing::Values(HeightsCase{"InsideBothLayers", 5.0, 10.0, 0.0, 0.0, -10.0},
                      HeightsCase{"OnTheSlope", 15.0, 5.0, 0.0, 0.0, -10.0},
                      HeightsCase{"AtTheCrest", 10.0, 10.0, 0.0, 0.0, -10.0},
                      // Within 1e-5 of the crest the vertex Y is taken, not the slope's 9.999995.
                      HeightsCase{"BesideTheCrest", 10.000005, 10.0, 0.0, 0.0, -10.0},
                      HeightsCase{"JustPastTheVertexTolerance", 10.00002, 9.99998, 0.0, 0.0, -10.0},
                      // The upper layer only touches the toe vertex: top = bottom.
                      HeightsCase{"AtTheToe", 20.0, 0.0, 0.0, 0.0, -10.0},
                      // The vertical left edge contributes its end points.
                      HeightsCase{"OnTheVerticalLeftEdge", 0.0, 10.0, 0.0, 0.0, -10.0},
                      HeightsCase{"BeyondTheUpperLayer", 25.0, kNoTop, kNoBottom, 0.0, -10.0},
                      HeightsCase{"OutsideBoth", 35.0, kNoTop, kNoBottom, kNoTop, kNoBottom}),
    [](const auto& info) { return info.param.name; });

TEST(BlockExtentAtXTest, CountsEdgesWhoseSpanHoldsXEndsIncluded) {
  test::BuildTwoLayerSlope();
  BuildBlockPolygons();
  double top, bottom;
  BlockExtentAtX(1, 25.0, 0.0001, top, bottom);
  EXPECT_NEAR(top, 0.0, kClose);
  EXPECT_NEAR(bottom, -10.0, kClose);
  BlockExtentAtX(1, 30.0, 0.0001, top, bottom);  // on the vertical right edge
  EXPECT_NEAR(top, 0.0, kClose);
  EXPECT_NEAR(bottom, -10.0, kClose);
  BlockExtentAtX(0, 25.0, 0.0001, top, bottom);
  EXPECT_EQ(top, kNoTop);
  EXPECT_EQ(bottom, kNoBottom);
}

TEST(BlockHoldingPointTest, FindsTheFirstBlockAroundAPoint) {
  test::BuildSlopeWithWater();
  BuildBlockPolygons();
  EXPECT_EQ(BlockHoldingPoint(5.0, 5.0), 0);
  EXPECT_EQ(BlockHoldingPoint(5.0, -5.0), 1);
  EXPECT_EQ(BlockHoldingPoint(25.0, 2.0), 2);
  EXPECT_EQ(BlockHoldingPoint(25.0, 7.0), -1);  // air
  // A point on a block's bottom edge counts as inside it (1e-5 of slack downward).
  EXPECT_EQ(BlockHoldingPoint(25.0, 0.0), 2);
}

}  // namespace
}  // namespace selvana
