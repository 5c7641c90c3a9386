// Tests of the crossings of a trial circle with the ground: which crossings count, the probes
// above the circle's sides, the tie order of equal X and the block of every piece.
#include "calc/slicing/circle_hits.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/run_data.h"
#include "calc/slicing/hits.h"
#include "calc/slicing/polygons.h"
#include "calc/slicing/test_models.h"

namespace selvana {
namespace {

using test::AddLine;
using test::SetPoint;

// Crossings come out of a square root of values of order 100: 1e-9 is far below any tolerance
// of the slicing (1e-5).
constexpr double kClose = 1e-9;

void ExpectHit(int k, double x, double y) {
  EXPECT_NEAR(RunData.SurfaceHits.X[k], x, kClose) << "hit " << k;
  EXPECT_NEAR(RunData.SurfaceHits.Y[k], y, kClose) << "hit " << k;
}

void GroundLine(double y, double xFrom, double xTo) {
  const int a = PointCount;
  SetPoint(a, xFrom, y);
  SetPoint(a + 1, xTo, y);
  AddLine(kLineBoundary, a, a + 1);
}

TEST(CircleSurfaceIntersectionsTest, GroundBelowTheCentreGivesTheTwoArcCrossings) {
  GroundLine(0.0, -20.0, 20.0);
  CircleSurfaceIntersections(0.0, 5.0, 10.0);
  ASSERT_EQ(RunData.SurfaceHits.Count, 2);
  ExpectHit(0, std::sqrt(75.0), 0.0);
  ExpectHit(1, -std::sqrt(75.0), 0.0);
  EXPECT_EQ(RunData.SurfaceHits.P1[0], 0);
  EXPECT_EQ(RunData.SurfaceHits.P2[0], 1);
}

TEST(CircleSurfaceIntersectionsTest, TangentGroundGivesNoHit) {
  GroundLine(0.0, -20.0, 20.0);
  CircleSurfaceIntersections(0.0, 5.0, 5.0);
  EXPECT_EQ(RunData.SurfaceHits.Count, 0);
}

TEST(CircleSurfaceIntersectionsTest, GroundAboveTheCentreIsReachedByTheProbes) {
  GroundLine(8.0, -20.0, 20.0);  // cuts only the upper half of the circle
  CircleSurfaceIntersections(0.0, 5.0, 5.0);
  ASSERT_EQ(RunData.SurfaceHits.Count, 2);
  ExpectHit(0, 5.0, 8.0);
  ExpectHit(1, -5.0, 8.0);
}

TEST(CircleSurfaceIntersectionsTest, CircleWhollyBelowGroundGetsProbeHitsAtBothSides) {
  GroundLine(10.0, -20.0, 20.0);
  CircleSurfaceIntersections(0.0, 5.0, 3.0);
  ASSERT_EQ(RunData.SurfaceHits.Count, 2);
  ExpectHit(0, 3.0, 10.0);
  ExpectHit(1, -3.0, 10.0);
}

TEST(CircleSurfaceIntersectionsTest, EqualXRightOfCentreHigherFirstLeftOfItLowerFirst) {
  GroundLine(7.0, -20.0, 20.0);
  GroundLine(9.0, -20.0, 20.0);
  CircleSurfaceIntersections(0.0, 5.0, 4.0);
  ASSERT_EQ(RunData.SurfaceHits.Count, 4);
  ExpectHit(0, 4.0, 9.0);
  ExpectHit(1, 4.0, 7.0);
  ExpectHit(2, -4.0, 7.0);
  ExpectHit(3, -4.0, 9.0);
}

TEST(CircleSurfaceIntersectionsTest, PiecesLieInTheBlockUnderTheArc) {
  test::BuildTwoLayerSlope();
  BuildBlockPolygons();
  // Centre (10, 12), R 14: the arc leaves the slope, dips through the layer boundary into the
  // lower layer and rises through it again to the left edge.
  CircleSurfaceIntersections(10.0, 12.0, 14.0);
  ASSERT_EQ(RunData.SurfaceHits.Count, 4);
  ExpectHit(0, 9.0 + std::sqrt(97.0), 11.0 - std::sqrt(97.0));
  ExpectHit(1, 10.0 + std::sqrt(52.0), 0.0);
  ExpectHit(2, 10.0 - std::sqrt(52.0), 0.0);
  ExpectHit(3, 0.0, 12.0 - std::sqrt(96.0));
  EXPECT_EQ(RunData.SurfaceHits.Block[0], 0);
  EXPECT_EQ(RunData.SurfaceHits.Block[1], 1);
  EXPECT_EQ(RunData.SurfaceHits.Block[2], 0);
  EXPECT_EQ(RunData.SurfaceHits.Block[3], -1);  // the last hit has no piece
}

TEST(CircleSurfaceIntersectionsTest, FreeBlockSlotIsNeverFoundUnderAPiece) {
  test::BuildSquareBlock();
  BuildBlockPolygons();
  CircleSurfaceIntersections(5.0, 12.0, 6.0);
  ASSERT_EQ(RunData.SurfaceHits.Count, 2);
  EXPECT_EQ(RunData.SurfaceHits.Block[0], 0);
  BlockTable[0].Number = -1;
  CircleSurfaceIntersections(5.0, 12.0, 6.0);
  EXPECT_EQ(RunData.SurfaceHits.Block[0], -1);
}

// The tie order of the sort on hits filled by hand: tie X 0.
void Hits(std::initializer_list<std::pair<double, double>> xy) {
  ClearSurfaceHits();
  int line = 0;
  for (const auto& [x, y] : xy) AppendSurfaceHit(x, y, line++, 0);
}

TEST(SortSurfaceHitsTest, NearEqualXRightOfTieXHigherFirstWithSlack) {
  Hits({{3.0, 1.0}, {3.000005, 2.0}, {3.0, 1.0000005}});
  SortSurfaceHits(0.0);
  // Y within 1e-6 of each other keep their order; 2.0 moves ahead of both.
  EXPECT_EQ(RunData.SurfaceHits.P1[0], 1);
  EXPECT_EQ(RunData.SurfaceHits.P1[1], 0);
  EXPECT_EQ(RunData.SurfaceHits.P1[2], 2);
}

TEST(SortSurfaceHitsTest, HitsExactlyAtTieXKeepTheirOrder) {
  Hits({{0.0, 1.0}, {0.0, 5.0}, {0.0, 3.0}});
  SortSurfaceHits(0.0);
  EXPECT_EQ(RunData.SurfaceHits.P1[0], 0);
  EXPECT_EQ(RunData.SurfaceHits.P1[1], 1);
  EXPECT_EQ(RunData.SurfaceHits.P1[2], 2);
}

// a = (3.000016, 1), b = (3.000008, 2), c = (3.0, 3): a goes before c by X, but b before a and c
// before b by Y (each pair is within 1e-5). No order satisfies all three, so the result is
// whatever the comb sort's pass sequence leaves, and depends on the order the hits came in.
TEST(SortSurfaceHitsTest, CyclicTiesEndAsThePassSequenceLeavesThem) {
  Hits({{3.000016, 1.0}, {3.000008, 2.0}, {3.0, 3.0}});  // a b c
  SortSurfaceHits(0.0);
  EXPECT_EQ(RunData.SurfaceHits.P1[0], 1);  // b a c
  EXPECT_EQ(RunData.SurfaceHits.P1[1], 0);
  EXPECT_EQ(RunData.SurfaceHits.P1[2], 2);
  Hits({{3.000016, 1.0}, {3.0, 3.0}, {3.000008, 2.0}});  // a c b
  SortSurfaceHits(0.0);
  EXPECT_EQ(RunData.SurfaceHits.P1[0], 1);  // c b a
  EXPECT_EQ(RunData.SurfaceHits.P1[1], 2);
  EXPECT_EQ(RunData.SurfaceHits.P1[2], 0);
}

TEST(SortSurfaceHitsTest, PairStraddlingTieXEndsInsteadOfSwappingForEver) {
  // Each of the two wants to go before the other: the passes stop at their limit.
  Hits({{-1e-7, 5.0}, {1e-7, 0.0}});
  SortSurfaceHits(0.0);
  EXPECT_EQ(RunData.SurfaceHits.Count, 2);
  EXPECT_EQ(RunData.SurfaceHits.P1[0] + RunData.SurfaceHits.P1[1], 1);
}

TEST(AssignPieceBlocksTest, PieceNarrowerThanTenthOfMillimetreHasNoBlock) {
  test::BuildSquareBlock();
  BuildBlockPolygons();
  Hits({{5.00005, 9.0}, {5.0, 1.0}, {3.0, 1.0}});
  AssignPieceBlocks([](int, double) { return 5.0; });
  EXPECT_EQ(RunData.SurfaceHits.Block[0], -1);
  EXPECT_EQ(RunData.SurfaceHits.Block[1], 0);
  EXPECT_EQ(RunData.SurfaceHits.Block[2], -1);
}

TEST(SurfaceHitsTest, FullListRefusesMoreHits) {
  ClearSurfaceHits();
  for (int i = 0; i < kMaxSurfaceHits; ++i) ASSERT_TRUE(AppendSurfaceHit(i, 0.0, 0, 1));
  EXPECT_FALSE(AppendSurfaceHit(-1.0, 0.0, 0, 1));
  EXPECT_EQ(RunData.SurfaceHits.Count, kMaxSurfaceHits);
}

}  // namespace
}  // namespace selvana
