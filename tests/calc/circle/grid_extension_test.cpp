// The circle walk follows its running minimum: a minimum on the low border of the grid widens
// that border by a pitch (pass after pass, in X and Y), and the next order is centred on the
// minimum with half the pitch; without a minimum the search ends. The surfaces come from a stand-in
// method whose safety factor falls towards a chosen point, so the path of the grid is known
// exactly.
#include <gtest/gtest.h>

#include "calc/circle/search.h"
#include "calc/fellenius_test_slopes.h"
#include "calc/progress/headless.h"
#include "calc/results/result_store.h"
#include "calc/results/slip_result.h"
#include "calc/run_data.h"

namespace selvana {
namespace {

// Every circle closes one surface with both ends found and F = 1 + the squared distance of its
// centre from (-1.6, -1.7).
class BowlMethod : public CircleMethod {
 public:
  explicit BowlMethod(CalcProgress& progress) : progress_(progress) {}
  void ResetRecord(int order0, double cx, double cy, double R) override {
    ResetCircleRecord(order0, cx, cy, R);
  }
  void AddSlice(double, double, double, int, double, double, double, double) override {}
  void CloseSurface(int order0, double cx, double cy, double R) override {
    SlipResult& r = CurrentSlipResult;
    r.sx = cx + 1.0;
    r.ex = cx - 1.0;
    r.f = 1.0 + (cx + 1.6) * (cx + 1.6) + (cy + 1.7) * (cy + 1.7);
    StoreCircleResult(order0 + 1, progress_);
    ResetCircleRecord(order0, cx, cy, R);
  }
  bool StoppedBySheetPile() const override { return true; }

 private:
  CalcProgress& progress_;
};

class CircleGridExtension : public test::ScratchFolderTest {};

// A grid of 3 x 3 centres from (0, 0), two orders, extended.
CircleSearchSettings& BowlGrid() {
  CircleSearchSettings& s = FelleniusCircleSettings;
  s.CentreX = {0.0, 2.0, 1.0, 0.0};
  s.CentreY = {0.0, 2.0, 1.0, 0.0};
  s.Radius = {1.0, 1.0, 1.0, 0.0};
  s.HighestGridOrder = 2;
  s.ExtendFirstGrid = 1;
  return s;
}

TEST_F(CircleGridExtension, LowBordersWidenUntilTheMinimumIsInsideThenTheGridRefines) {
  CircleSearchSettings& s = BowlGrid();
  HeadlessProgress progress;
  BowlMethod method(progress);
  ASSERT_EQ(0, SearchCircles(s, method, progress));

  // Order 1: 3 x 3 centres with the minimum in the corner (0, 0), then 4 x 4 with it at
  // (-1, -1), 5 x 5 at (-2, -2), and 6 x 6 (from -3 to 2) with (-2, -2) inside. Order 2: from
  // -3 to -1 in steps of 0.5 on both axes, 5 x 5 centres.
  EXPECT_EQ(9 + 16 + 25 + 36 + 25, progress.polls());
  EXPECT_EQ(36, SlipResultCount[0]);  // only the last pass of an extended order counts
  EXPECT_EQ(25, SlipResultCount[1]);
  // 1e-9: the centres carry the 1e-5 shift and the rounding of repeated pitch steps.
  const SearchGridRecord& g = RunData.SearchGrid;
  EXPECT_NEAR(-3.0 + 1e-5, g.CentreX[0], 1e-9);
  EXPECT_NEAR(-1.0 + 1e-5, g.CentreX[1], 1e-9);
  EXPECT_EQ(0.5, g.CentreX[2]);
  EXPECT_NEAR(-3.0 + 1e-5, g.CentreY[0], 1e-9);
  EXPECT_NEAR(-1.0 + 1e-5, g.CentreY[1], 1e-9);
  EXPECT_EQ(0.5, g.CentreY[2]);
  EXPECT_NEAR(-1.5 + 1e-5, MinSlip.cx, 1e-9);
  EXPECT_NEAR(-1.5 + 1e-5, MinSlip.cy, 1e-9);
}

// An order that accepts nothing ends the search: neither widened nor refined around the model
// origin, where the minimum starts.
TEST_F(CircleGridExtension, AnOrderThatAcceptsNothingEndsTheSearch) {
  CircleSearchSettings& s = BowlGrid();
  cm.MaxSafetyFactor = 0.5;  // below every F of the bowl
  HeadlessProgress progress;
  BowlMethod method(progress);
  ASSERT_EQ(0, SearchCircles(s, method, progress));
  EXPECT_EQ(9, progress.polls());
  EXPECT_EQ(0, RunData.SearchGrid.Order);
  EXPECT_EQ(0.0 + 1e-5, RunData.SearchGrid.CentreX[0]);
}

}  // namespace
}  // namespace selvana
