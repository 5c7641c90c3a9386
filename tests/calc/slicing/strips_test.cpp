// Tests of the strip of a block inside a slice above a slip circle, and of the cohesion
// reference level.
#include "calc/slicing/strips.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc/results/slip_result.h"
#include "calc/run_data.h"
#include "calc/slicing/cohesion.h"
#include "calc/slicing/polygons.h"
#include "calc/slicing/test_models.h"
#include "calc/slicing/walk.h"

namespace selvana {
namespace {

// Strips are a few products and one square root of values of order 10: far inside 1e-9.
constexpr double kClose = 1e-9;

// Block 0 between the interval ends XA = 10 and XB = 0.
void Sides(double topA, double bottomA, double topB, double bottomB) {
  RunData.SliceSideHeights.XA = 10.0;
  RunData.SliceSideHeights.XB = 0.0;
  RunData.SliceSideHeights.TopA[0] = topA;
  RunData.SliceSideHeights.BottomA[0] = bottomA;
  RunData.SliceSideHeights.TopB[0] = topB;
  RunData.SliceSideHeights.BottomB[0] = bottomB;
  RunData.SliceSideHeights.KeepRises(1);
}

struct StripCase {
  std::string name;
  double topA, bottomA, topB, bottomB;  // block 0 at X 10 and X 0
  double x;                             // slice middle; width 0.5, circle (5, 12) R 6
  double midY, area;
};

class BlockStripInSliceTest : public ::testing::TestWithParam<StripCase> {};

TEST_P(BlockStripInSliceTest, GivesStripAboveTheArc) {
  const StripCase& c = GetParam();
  Sides(c.topA, c.bottomA, c.topB, c.bottomB);
  EXPECT_EQ(BlockStripInSlice(0, 0.5, c.x, 5.0, 12.0, 6.0), 0);
  EXPECT_EQ(RunData.BlockStrips[0].X, c.x);
  EXPECT_NEAR(RunData.BlockStrips[0].MidY, c.midY, kClose);
  EXPECT_NEAR(RunData.BlockStrips[0].Area, c.area, kClose);
}

// The arc's lowest point is (5, 6); at X 2 it lies at 12 - sqrt(27).
const double kArcAt2 = 12.0 - std::sqrt(27.0);

INSTANTIATE_TEST_SUITE_P(
    Cases, BlockStripInSliceTest,
    ::testing::Values(
        StripCase{"BottomRaisedToTheArc", 10, 0, 10, 0, 5.0, 8.0, 2.0},
        StripCase{"TopsInterpolatedBetweenTheSides", 12, 0, 8, 0, 5.0, 8.0, 2.0},
        StripCase{"ArcTakenAtTheSliceMiddle", 10, 0, 10, 0, 2.0, (10.0 + kArcAt2) / 2.0,
                  (10.0 - kArcAt2) * 0.5},
        StripCase{"BlockWhollyAboveTheArc", 10, 8, 10, 8, 5.0, 9.0, 1.0},
        StripCase{"BlockWhollyBelowTheArcHasNoArea", 4, 0, 4, 0, 5.0, 6.0, 0.0},
        StripCase{"NotCutAtOneSide", 10, 0, kNoTop, kNoBottom, 5.0, 0.0, 0.0},
        StripCase{"TouchingAtOneSideCounts", 10, 0, 10, 10, 5.0, 8.0, 2.0},
        // Extrapolated just past the vertex where it pinches out: top below bottom at XA.
        StripCase{"CrossedAtOneSideKeepsItsStripInside", 7, 7.5, 7, 5, 5.0, 6.625, 0.375},
        StripCase{"CrossedAtOneSideIsEmptyWhereItPinchedOut", 7, 7.5, 7, 5, 9.0,
                  12.0 - std::sqrt(20.0), 0.0}),
    [](const auto& info) { return info.param.name; });

TEST(BlockStripInSliceTest, WidensTheSlipMassRangeOnlyForCutBlocks) {
  SlipMassYRange = SlipMassYRangeRecord{};
  Sides(10, 0, kNoTop, kNoBottom);
  BlockStripInSlice(0, 0.5, 5.0, 5.0, 12.0, 6.0);
  EXPECT_EQ(SlipMassYRange.MaxY, -999999.9);
  EXPECT_EQ(SlipMassYRange.MinY, 999999.9);
  Sides(10, 0, 10, 0);
  BlockStripInSlice(0, 0.5, 5.0, 5.0, 12.0, 6.0);
  EXPECT_NEAR(SlipMassYRange.MaxY, 10.0, kClose);
  EXPECT_NEAR(SlipMassYRange.MinY, 6.0, kClose);
  Sides(3, 0, 3, 0);  // wholly below the arc: the arc's height still widens the range
  BlockStripInSlice(0, 0.5, 2.0, 5.0, 12.0, 6.0);
  EXPECT_NEAR(SlipMassYRange.MinY, 6.0, kClose);
  EXPECT_NEAR(SlipMassYRange.MaxY, 10.0, kClose);
}

// The centre X of a circle, shifted by 1e-5, stands beside the vertex C (20, 0) where the upper
// layer of the two-layer slope pinches out, and takes its place among the breakpoints: the
// interval runs from just past C. The layer's strips inside it keep their weight.
TEST(BlockStripInSliceTest, ALayerPinchingOutAtTheIntervalEndKeepsItsStrips) {
  test::BuildTwoLayerSlope();
  BuildBlockPolygons();
  MeasureSliceSides(20.00001, 15.0);
  BlockStripInSlice(0, 0.1, 17.5, 17.5, 30.0, 40.0);  // the arc runs far below the layer
  EXPECT_NEAR(RunData.BlockStrips[0].Area, 2.5 * 0.1, kClose)
      << "slope at 2.5 over the layer's base";
}

TEST(BlockStripInSliceTest, SlotOutsideTheBlockTableIsRefused) {
  EXPECT_EQ(BlockStripInSlice(kMaxBlocks, 0.5, 5.0, 5.0, 12.0, 6.0), -1);
  EXPECT_EQ(BlockStripInSlice(-1, 0.5, 5.0, 5.0, 12.0, 6.0), -1);
}

struct CohesionCase {
  std::string name;
  double x1, x2;
  double level;
};

class CohesionReferenceLineTest : public ::testing::TestWithParam<CohesionCase> {};

// Vertices (0, 5), (10, 15), (20, 15); the slice middle is read.
TEST_P(CohesionReferenceLineTest, ReadsTheLineAtTheSliceMiddle) {
  const CohesionCase& c = GetParam();
  cm.CohesionRefMode = 1;
  cm.CohesionRefHeight = -3.0;
  cm.CohesionRefLine.Count = 3;
  cm.CohesionRefLine.X = {0.0, 10.0, 20.0};
  cm.CohesionRefLine.Y = {5.0, 15.0, 15.0};
  EXPECT_NEAR(CohesionReferenceLevel(c.x1, c.x2), c.level, kClose);
}

INSTANTIATE_TEST_SUITE_P(Cases, CohesionReferenceLineTest,
                         ::testing::Values(CohesionCase{"LeftOfTheFirstVertex", -2.0, -4.0, 5.0},
                                           CohesionCase{"AtTheFirstVertex", 1.0, -1.0, 5.0},
                                           CohesionCase{"Between", 6.0, 4.0, 10.0},
                                           CohesionCase{"AtAnInnerVertex", 11.0, 9.0, 15.0},
                                           CohesionCase{"AtTheLastVertex", 21.0, 19.0, 15.0},
                                           CohesionCase{"BeyondTheLastVertex", 40.0, 30.0, 15.0}),
                         [](const auto& info) { return info.param.name; });

TEST(CohesionReferenceLevelTest, HeightModeGivesTheHeight) {
  cm.CohesionRefMode = 0;
  cm.CohesionRefHeight = 7.5;
  cm.CohesionRefLine.Count = 2;
  cm.CohesionRefLine.Y = {1.0, 2.0};
  EXPECT_EQ(CohesionReferenceLevel(0.0, 1.0), 7.5);
}

TEST(CohesionReferenceLevelTest, LineWithOneVertexGivesItsYEverywhere) {
  cm.CohesionRefMode = 1;
  cm.CohesionRefLine.Count = 1;
  cm.CohesionRefLine.X[0] = 3.0;
  cm.CohesionRefLine.Y[0] = 4.0;
  EXPECT_EQ(CohesionReferenceLevel(-10.0, -9.0), 4.0);
  EXPECT_EQ(CohesionReferenceLevel(10.0, 9.0), 4.0);
}

TEST(CohesionReferenceLevelTest, LineWithoutVerticesFallsBackToTheHeight) {
  cm.CohesionRefMode = 1;
  cm.CohesionRefHeight = 2.5;
  cm.CohesionRefLine.Count = 0;
  EXPECT_EQ(CohesionReferenceLevel(0.0, 1.0), 2.5);
}

TEST(CohesionReferenceLevelTest, CountBeyondTheTableReadsOnlyItsVertices) {
  cm.CohesionRefMode = 1;
  cm.CohesionRefLine.Count = 1000;  // as a file might carry it
  for (int i = 0; i < kMaxCohesionVertices; ++i) {
    cm.CohesionRefLine.X[i] = i;
    cm.CohesionRefLine.Y[i] = 2.0 * i;
  }
  EXPECT_EQ(CohesionReferenceLevel(500.0, 500.0), 2.0 * (kMaxCohesionVertices - 1));
}

}  // namespace
}  // namespace selvana
