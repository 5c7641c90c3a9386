// Tests of the slice breakpoints and of the comb sort's gap sequence.
#include "calc/slicing/breaks.h"

#include <gtest/gtest.h>

#include <vector>

#include "calc/run_data.h"
#include "calc/slicing/comb_sort.h"
#include "calc/slicing/test_models.h"

namespace selvana {
namespace {

using test::SetPoint;

std::vector<double> Breaks() {
  const SliceBreaksXRecord& breaks = RunData.SliceBreaksX;
  return {breaks.X.begin(), breaks.X.begin() + breaks.Count};
}

TEST(SliceBreaksTest, SortsDescendingAndEndsWithCountedSentinel) {
  SetPoint(0, 3.0, 0.0);
  SetPoint(1, -2.0, 0.0);
  SetPoint(2, 7.5, 0.0);
  BuildSliceBreaksX(1.0);
  EXPECT_EQ(Breaks(), (std::vector<double>{7.5, 3.0, 1.0, -2.0, kBreaksSentinel}));
}

TEST(SliceBreaksTest, PointsCloserThanTenthOfMillimetreGiveOneBreakpoint) {
  SetPoint(0, 5.0, 0.0);
  SetPoint(1, 5.00005, 1.0);
  BuildSliceBreaksX(0.0);
  EXPECT_EQ(Breaks(), (std::vector<double>{5.00005, 0.0, kBreaksSentinel}));
}

TEST(SliceBreaksTest, NearnessIsJudgedAgainstTheLastBreakpointKept) {
  SetPoint(0, 5.0, 0.0);
  SetPoint(1, 5.00005, 0.0);  // 0.00015 below the first: kept
  SetPoint(2, 5.0002, 0.0);
  BuildSliceBreaksX(0.0);
  // 5.0 lies 0.00005 below 5.00005 and goes, though 0.0002 below 5.0002.
  EXPECT_EQ(Breaks(), (std::vector<double>{5.0002, 5.00005, 0.0, kBreaksSentinel}));
}

TEST(SliceBreaksTest, FreePointSlotsAreSkipped) {
  SetPoint(0, 4.0, 0.0);
  SetPoint(2, 6.0, 0.0);  // slot 1 stays free below PointCount
  PointTable[1].X = 5.0;
  BuildSliceBreaksX(0.0);
  EXPECT_EQ(Breaks(), (std::vector<double>{6.0, 4.0, 0.0, kBreaksSentinel}));
}

TEST(SliceBreaksTest, OnlySurchargesLoadedAtTheirLeftEndAddEnds) {
  cm.Surcharges.XMin[0] = 2.0;
  cm.Surcharges.XMax[0] = 4.0;
  cm.Surcharges.LoadAtXMin[0] = 10.0;
  cm.Surcharges.XMin[1] = 6.0;
  cm.Surcharges.XMax[1] = 8.0;
  cm.Surcharges.LoadAtXMin[1] = 0.0;
  cm.Surcharges.LoadAtXMax[1] = 20.0;  // loaded at the right end only: no breakpoints
  BuildSliceBreaksX(0.0);
  EXPECT_EQ(Breaks(), (std::vector<double>{4.0, 2.0, 0.0, kBreaksSentinel}));
}

TEST(SliceBreaksTest, TwinTakesBothSeeds) {
  SetPoint(0, 1.0, 0.0);
  BuildSliceBreaksX2(3.0, -1.0);
  EXPECT_EQ(Breaks(), (std::vector<double>{3.0, 1.0, -1.0, kBreaksSentinel}));
}

TEST(SliceBreaksTest, FullPointTableWithSeedsAndSurchargesFits) {
  for (int i = 0; i < kMaxPoints; ++i) SetPoint(i, 100.0 + i, 0.0);
  for (int i = 0; i < kSurchargeCount; ++i) {
    cm.Surcharges.XMin[i] = -10.0 - 2 * i;
    cm.Surcharges.XMax[i] = -11.0 - 2 * i;
    cm.Surcharges.LoadAtXMin[i] = 1.0;
  }
  BuildSliceBreaksX2(-50.0, -60.0);
  ASSERT_EQ(RunData.SliceBreaksX.Count, kMaxPoints + 2 + 2 * kSurchargeCount + 1);
  EXPECT_EQ(RunData.SliceBreaksX.X[0], 100.0 + kMaxPoints - 1);
  EXPECT_EQ(RunData.SliceBreaksX.X[RunData.SliceBreaksX.Count - 2], -60.0);
  EXPECT_EQ(RunData.SliceBreaksX.X[RunData.SliceBreaksX.Count - 1], kBreaksSentinel);
}

TEST(CombSortTest, GapShrinksByOnePointThreeAndSkipsNineAndTen) {
  EXPECT_EQ(NextCombGap(100, CombGapRule::kTimesInverse), 76);
  EXPECT_EQ(NextCombGap(13, CombGapRule::kTimesInverse), 11);  // 9 becomes 11
  EXPECT_EQ(NextCombGap(14, CombGapRule::kTimesInverse), 11);  // 10 becomes 11
  EXPECT_EQ(NextCombGap(2, CombGapRule::kTimesInverse), 1);
  EXPECT_EQ(NextCombGap(1, CombGapRule::kTimesInverse), 1);  // 0 is raised to 1
}

TEST(CombSortTest, MultiplyingByTheInverseAndDividingDifferForSomeGaps) {
  // 39 x (1/1.3) lies just below 30 in doubles, 39 / 1.3 just above.
  EXPECT_EQ(NextCombGap(39, CombGapRule::kTimesInverse), 29);
  EXPECT_EQ(NextCombGap(39, CombGapRule::kDivided), 30);
}

TEST(CombSortTest, SortsAConsistentOrderCompletely) {
  std::vector<int> v;
  for (int i = 0; i < 200; ++i) v.push_back((i * 7919) % 211);
  CombSort(
      static_cast<int>(v.size()), [&v](int i, int j) { return v[i] < v[j]; },
      [&v](int i, int j) { std::swap(v[i], v[j]); });
  for (std::size_t i = 1; i < v.size(); ++i) EXPECT_GE(v[i - 1], v[i]) << "at " << i;
}

}  // namespace
}  // namespace selvana
