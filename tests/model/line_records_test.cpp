// Tests of the line rules of AddLineRecord and of tracing block outlines from a seed point.
#include "model/line_records.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace selvana {
namespace {

void SetPoint(int slot, double x, double y) {
  PointTable[slot] = PointRecord{slot, x, y};
  if (slot >= PointCount) PointCount = slot + 1;
}

std::vector<int> OutlinePoints() {
  return {BlockOutline.Points.begin(), BlockOutline.Points.begin() + BlockOutline.Count};
}

// Twice the signed area of the outline's polygon: negative when it runs clockwise.
double TwiceSignedArea(const std::vector<int>& ring) {
  double sum = 0.0;
  for (std::size_t i = 0; i + 1 < ring.size(); ++i) {
    const PointRecord& a = PointTable[ring[i]];
    const PointRecord& b = PointTable[ring[i + 1]];
    sum += a.X * b.Y - b.X * a.Y;
  }
  return sum;
}

// ---- AddLineRecord

TEST(AddLineRecord, StoresEndsInAscendingOrderAndDrawn) {
  ASSERT_EQ(AddLineRecord(kLineBoundary, 7, 3), 0);
  EXPECT_EQ(LineCount, 1);
  EXPECT_EQ(LineTable[0].Kind, kLineBoundary);
  EXPECT_EQ(LineTable[0].P1, 3);
  EXPECT_EQ(LineTable[0].P2, 7);
  EXPECT_EQ(LineTable[0].DrawFlag, 1);
}

TEST(AddLineRecord, RefusesSameKindAndEndsInEitherOrder) {
  ASSERT_EQ(AddLineRecord(kLineBoundary, 7, 3), 0);
  EXPECT_EQ(AddLineRecord(kLineBoundary, 3, 7), 1);
  EXPECT_EQ(AddLineRecord(kLineBoundary, 7, 3), 1);
  EXPECT_EQ(LineCount, 1);
  // The same ends with another kind are another line.
  EXPECT_EQ(AddLineRecord(kLineUncut, 3, 7), 0);
  EXPECT_EQ(LineCount, 2);
}

TEST(AddLineRecord, EqualEndsOnlyForArcLimits) {
  for (int kind : {kLineBoundary, kLineUncut, kLineResidualWater}) {
    EXPECT_EQ(AddLineRecord(kind, 4, 4), 1) << "kind " << kind;
  }
  EXPECT_EQ(LineCount, 0);
  for (int kind :
       {kLineSmallArcLimit, kLineLargeArcLimit, kLineSmallArcLimitPoint, kLineLargeArcLimitPoint}) {
    EXPECT_EQ(AddLineRecord(kind, 4, 4), 0) << "kind " << kind;
  }
  EXPECT_EQ(LineCount, 4);
}

TEST(AddLineRecord, ReusesAFreedSlotBeforeGrowing) {
  AddLineRecord(kLineBoundary, 0, 1);
  AddLineRecord(kLineBoundary, 1, 2);
  AddLineRecord(kLineBoundary, 2, 3);
  LineTable[1] = LineRecord{};  // freed: kind -1
  ASSERT_EQ(AddLineRecord(kLineUncut, 5, 6), 0);
  EXPECT_EQ(LineTable[1].Kind, kLineUncut);
  EXPECT_EQ(LineCount, 3);
}

TEST(AddLineRecord, KindZeroSlotCountsAsOccupied) {
  AddLineRecord(kLineBoundary, 0, 1);
  LineTable[0].Kind = 0;
  ASSERT_EQ(AddLineRecord(kLineBoundary, 1, 2), 0);
  EXPECT_EQ(LineTable[0].Kind, 0);
  EXPECT_EQ(LineTable[1].P1, 1);
  EXPECT_EQ(LineCount, 2);
}

TEST(AddLineRecord, RefusesWhenTheTableIsFull) {
  for (int i = 0; i < kMaxLines; ++i) LineTable[i] = LineRecord{kLineBoundary, i, i + 1, 1};
  LineCount = kMaxLines;
  EXPECT_EQ(AddLineRecord(kLineUncut, 0, 1), 1);
  EXPECT_EQ(LineCount, kMaxLines);
}

TEST(AddLineRecord, RefusesUnknownKindsAndPointSlots) {
  EXPECT_EQ(AddLineRecord(0, 1, 2), 1);
  EXPECT_EQ(AddLineRecord(8, 1, 2), 1);
  EXPECT_EQ(AddLineRecord(kLineBoundary, -1, 2), 1);
  EXPECT_EQ(AddLineRecord(kLineBoundary, 1, kMaxPoints), 1);
  EXPECT_EQ(LineCount, 0);
}

// ---- TraceBlockRegion

// A 10 m square: 0 (0,0), 1 (10,0), 2 (10,10), 3 (0,10).
void MakeSquare() {
  SetPoint(0, 0, 0);
  SetPoint(1, 10, 0);
  SetPoint(2, 10, 10);
  SetPoint(3, 0, 10);
  AddLineRecord(kLineBoundary, 0, 1);
  AddLineRecord(kLineBoundary, 1, 2);
  AddLineRecord(kLineBoundary, 2, 3);
  AddLineRecord(kLineBoundary, 3, 0);
}

TEST(TraceBlockRegion, SquareOfExactlyFourLinesCloses) {
  MakeSquare();
  // Nearest is the bottom line; walked from 1 to 0 with the seed on the right.
  ASSERT_EQ(TraceBlockRegion(5, 2), 5);
  EXPECT_EQ(BlockOutline.Count, 5);
  EXPECT_EQ(OutlinePoints(), (std::vector<int>{1, 0, 3, 2, 1}));
  EXPECT_LT(TwiceSignedArea(OutlinePoints()), 0.0);
}

TEST(TraceBlockRegion, OuterLinesAroundTheSquareAreIgnored) {
  MakeSquare();
  SetPoint(4, 20, 0);
  SetPoint(5, 20, 10);
  AddLineRecord(kLineBoundary, 1, 4);
  AddLineRecord(kLineBoundary, 4, 5);
  AddLineRecord(kLineBoundary, 5, 2);
  AddLineRecord(kLineUncut, 0, 2);  // not a boundary: never followed
  ASSERT_EQ(TraceBlockRegion(2, 5), 5);
  EXPECT_EQ(OutlinePoints(), (std::vector<int>{0, 3, 2, 1, 0}));
  ASSERT_EQ(TraceBlockRegion(15, 3), 5);
  EXPECT_EQ(OutlinePoints(), (std::vector<int>{4, 1, 2, 5, 4}));
}

TEST(TraceBlockRegion, DiagonalIntoTheSquareIsFollowed) {
  MakeSquare();
  AddLineRecord(kLineBoundary, 0, 2);
  // Below the diagonal: from 1 to 0, then the diagonal is the smallest turn.
  ASSERT_EQ(TraceBlockRegion(6, 1), 4);
  EXPECT_EQ(OutlinePoints(), (std::vector<int>{1, 0, 2, 1}));
  // Above it: from 3 to 2, then down the diagonal.
  ASSERT_EQ(TraceBlockRegion(4, 9), 4);
  EXPECT_EQ(OutlinePoints(), (std::vector<int>{3, 2, 0, 3}));
}

TEST(TraceBlockRegion, EquallyNearLinesTakeTheFirstInTable) {
  MakeSquare();
  // The centre is 5 m from all four lines: the bottom line (slot 0) starts the walk.
  ASSERT_EQ(TraceBlockRegion(5, 5), 5);
  EXPECT_EQ(BlockOutline.Points[0], 1);
  EXPECT_EQ(BlockOutline.Points[1], 0);
}

TEST(TraceBlockRegion, EqualTurnsTakeTheLaterLineInTable) {
  MakeSquare();
  SetPoint(4, 0, 5);
  AddLineRecord(kLineBoundary, 0, 4);  // slot 4: along the left side, as the turn into 0-3
  // From 1 to 0 both left lines turn alike; the later one leads to 4, a dead end.
  ASSERT_EQ(TraceBlockRegion(5, 2), 3);
  EXPECT_EQ(OutlinePoints(), (std::vector<int>{1, 0, 4}));
}

TEST(TraceBlockRegion, LoneLineGivesAnOpenOutlineOfTwo) {
  SetPoint(0, 0, 0);
  SetPoint(1, 10, 0);
  AddLineRecord(kLineBoundary, 0, 1);
  ASSERT_EQ(TraceBlockRegion(5, 3), 2);
  EXPECT_EQ(OutlinePoints(), (std::vector<int>{1, 0}));
  ASSERT_EQ(TraceBlockRegion(5, -3), 2);
  EXPECT_EQ(OutlinePoints(), (std::vector<int>{0, 1}));
}

TEST(TraceBlockRegion, NoBoundaryLineKeepsThePreviousOutline) {
  SetPoint(0, 0, 0);
  SetPoint(1, 10, 0);
  AddLineRecord(kLineUncut, 0, 1);
  BlockOutline.Count = 3;
  BlockOutline.Points[0] = 7;
  BlockOutline.Points[1] = 8;
  BlockOutline.Points[2] = 7;
  EXPECT_EQ(TraceBlockRegion(5, 5), -1);
  EXPECT_EQ(BlockOutline.Count, 3);
  EXPECT_EQ(OutlinePoints(), (std::vector<int>{7, 8, 7}));
}

// A stick 0-1 leading to a ring of n lines through 1: the walk from the stick goes round the
// ring forever without coming back to 0.
void MakeStickAndRing(int ringLines) {
  SetPoint(0, -10, 0);
  const double step = 2.0 * std::numbers::pi / ringLines;
  for (int i = 0; i < ringLines; ++i) {
    SetPoint(1 + i, 100 * std::cos(std::numbers::pi - i * step) + 100,
             100 * std::sin(std::numbers::pi - i * step));
  }
  AddLineRecord(kLineBoundary, 0, 1);
  for (int i = 0; i < ringLines; ++i) {
    AddLineRecord(kLineBoundary, 1 + i, 1 + (i + 1) % ringLines);
  }
}

TEST(TraceBlockRegion, WalkThatNeverClosesStopsAfterOneEntryPerLine) {
  MakeStickAndRing(3);
  ASSERT_EQ(LineCount, 4);
  const int count = TraceBlockRegion(-5, -1);
  ASSERT_EQ(count, 5);
  EXPECT_NE(BlockOutline.Points[count - 1], BlockOutline.Points[0]);
  EXPECT_EQ(BlockOutline.Points[0], 0);
  EXPECT_EQ(BlockOutline.Points[1], 1);
  EXPECT_EQ(BlockOutline.Points[4], 1);  // round the ring and back at its entry
}

TEST(TraceBlockRegion, FullLineTableStaysWithinTheOutline) {
  MakeStickAndRing(kMaxLines - 1);
  ASSERT_EQ(LineCount, kMaxLines);
  EXPECT_EQ(TraceBlockRegion(-5, -1), kMaxLines + 1);
  EXPECT_EQ(BlockOutline.Count, static_cast<int>(BlockOutline.Points.size()));
}

TEST(SameClosedOutline, MatchesFromAnyCornerInEitherDirection) {
  const int ring[] = {1, 2, 3, 4, 1};
  const int turned[] = {3, 4, 1, 2, 3};
  const int reversed[] = {2, 1, 4, 3, 2};
  const int crossed[] = {1, 3, 2, 4, 1};
  EXPECT_TRUE(SameClosedOutline(ring, turned));
  EXPECT_TRUE(SameClosedOutline(ring, reversed));
  EXPECT_FALSE(SameClosedOutline(ring, crossed));
}

}  // namespace
}  // namespace selvana
