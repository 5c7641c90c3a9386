// The result stores: which surfaces they accept, the running minimum, the tables and their
// overflow, and the progress lines they write.
#include "calc/results/result_store.h"

#include <gtest/gtest.h>

#include "calc/progress/headless.h"
#include "calc/results/result_store_lines.h"
#include "calc/results/safety_factor.h"
#include "calc/results/slip_result.h"
#include "model/project_model.h"

namespace selvana {
namespace {

// A completed circle at centre (cx, 0) with ends found and the given factor.
void CompleteCircle(double cx, double f) {
  ResetCircleRecord(0, cx, 0.0, 5.0);
  CurrentSlipResult.sx = cx + 3.0;
  CurrentSlipResult.ex = cx - 3.0;
  CurrentSlipResult.f = f;
}

class ResultStore : public ::testing::Test {
 protected:
  HeadlessProgress progress;
};

TEST_F(ResultStore, DefaultMaximumRefusesTheMarkAndAHigherOneStoresIt) {
  CompleteCircle(1.0, kNoSafetyFactor);
  EXPECT_EQ(StoreCircleResult(1, progress), 0);
  EXPECT_EQ(SlipResultCount[0], 0);
  EXPECT_EQ(CalcStatus, 0);
  cm.MaxSafetyFactor = kNoSafetyFactor;
  EXPECT_EQ(StoreCircleResult(1, progress), 0);
  EXPECT_EQ(SlipResultCount[0], 1);
  EXPECT_EQ(SlipResultTable[0][0].f, kNoSafetyFactor);
}

TEST_F(ResultStore, SurfaceWithoutBothEndsIsRefused) {
  ResetCircleRecord(0, 1.0, 0.0, 5.0);
  CurrentSlipResult.f = 1.0;
  StoreCircleResult(1, progress);
  CurrentSlipResult.sx = 2.0;  // right end found, left end still unset
  StoreCircleResult(1, progress);
  EXPECT_EQ(SlipResultCount[0], 0);
  EXPECT_EQ(progress.repaints(), 0);
}

// A window that shows nothing now gets no texts: the surface is stored all the same, and its
// lines come once, when the walk shows the unshown surface; a surface shown when stored leaves
// nothing to show later.
TEST_F(ResultStore, NoProgressTextsWhileLinesAreNotDueUntilTheUnshownSurfaceIsShown) {
  class BusyWindow : public HeadlessProgress {
   public:
    bool LinesDue() override { return false; }
  } busy;
  ResetCircleRecord(0, 1.0, 0.0, 5.0);
  CurrentSlipResult.sx = 2.0, CurrentSlipResult.ex = 0.0, CurrentSlipResult.f = 1.0;
  StoreCircleResult(1, busy);
  EXPECT_EQ(SlipResultCount[0], 1);
  EXPECT_EQ(busy.Line(4), "");
  EXPECT_EQ(busy.repaints(), 0);
  ShowUnshownSurface(busy);
  EXPECT_NE(busy.Line(4).find("F=1.000"), std::string::npos);
  EXPECT_NE(busy.Line(5).find("1.000"), std::string::npos);
  ShowUnshownSurface(busy);
  EXPECT_EQ(busy.repaints(), 1);
  StoreCircleResult(1, busy);
  StoreCircleResult(1, progress);
  ShowUnshownSurface(busy);
  EXPECT_EQ(busy.repaints(), 1);
}

TEST_F(ResultStore, AcceptanceSetsStatusAppendsAndKeepsTheFirstOfEqualMinima) {
  CalcStatus = 0;
  SlopeDirection = -1;
  CompleteCircle(1.0, 1.5);
  StoreCircleResult(2, progress);
  SlopeDirection = 1;
  CompleteCircle(2.0, 1.5);
  StoreCircleResult(2, progress);
  EXPECT_EQ(CalcStatus, 1);
  EXPECT_EQ(SlipResultCount[1], 2);
  EXPECT_EQ(SlipResultTable[1][1].cx, 2.0);
  EXPECT_EQ(MinSlip.F, 1.5);
  EXPECT_EQ(MinSlip.cx, 1.0);
  EXPECT_EQ(MinSlip.Direction, -1);
}

TEST_F(ResultStore, OrderOutsideOneToFourStoresNothing) {
  CompleteCircle(1.0, 1.0);
  EXPECT_EQ(StoreCircleResult(0, progress), -1);
  EXPECT_EQ(StoreCircleResult(5, progress), -1);
  EXPECT_EQ(StoreCircleResultBishop(0, BishopShares{}, progress), 1);
  EXPECT_EQ(StoreLineResult(0, progress), 1);
  EXPECT_EQ(StoreLineResult2(-1, progress), -1);
  EXPECT_EQ(CalcStatus, 0);
}

TEST_F(ResultStore, MethodFiveMinimumKeepsTheEndPoint) {
  ResetLineRecord2(0, 1.0, 2.0, 7.0, 8.0, 30.0);
  CurrentSlipResult.sx = 7.0;
  CurrentSlipResult.ex = 1.0;
  CurrentSlipResult.f = 1.25;
  StoreLineResult2(1, progress);
  EXPECT_EQ(MinSlip.EndX, 7.0);
  EXPECT_EQ(MinSlip.EndY, 8.0);
  EXPECT_EQ(MinSlip.rr, 30.0);
}

TEST_F(ResultStore, FullTableKeepsTheTrueMinimum) {
  CompleteCircle(1.0, 2.0);
  for (int i = 0; i < kMaxSlipResults; ++i) StoreCircleResult(1, progress);
  ASSERT_EQ(SlipResultCount[0], kMaxSlipResults);
  EXPECT_FALSE(SlipResultsOverflowed());
  CompleteCircle(9.0, 3.0);  // not a new minimum: not appended
  StoreCircleResult(1, progress);
  EXPECT_EQ(SlipResultTable[0][kMaxSlipResults - 1].cx, 1.0);
  CompleteCircle(5.0, 1.1);  // a new minimum takes the last slot
  StoreCircleResult(1, progress);
  EXPECT_EQ(SlipResultCount[0], kMaxSlipResults);
  EXPECT_EQ(SlipResultTable[0][kMaxSlipResults - 1].cx, 5.0);
  EXPECT_EQ(MinSlip.F, 1.1);
  EXPECT_EQ(SlipResultOverflow[0], 2);
  EXPECT_TRUE(SlipResultsOverflowed());
  EXPECT_EQ(SlipResultOverflowMessage().rfind(
                "計算結果の記録数が上限（65535件）を超えました（次数 1）。", 0),
            0u);
}

struct ProgressCase {
  const char* name;
  int family;  // 0 circle, 1 Bishop, 2 method 3, 3 method 5
  const char* line4;
  const char* line7;
};

TEST_F(ResultStore, ProgressLinesShowLatestAndMinimum) {
  const ProgressCase cases[] = {
      {"circle", 0, "すべり円  (X,Y)=  1.500, -2.000 R= 10.250 F=1.234        ",
       "　　　　　　　　　Ｒ=  10.250        "},
      {"bishop", 1, "すべり円  (X,Y)=  1.500, -2.000 R= 10.250 F=1.234        ",
       "　　　　　　　　　Ｒ=  10.250        "},
      {"line", 2, "すべり直線  (X,Y)=  1.500, -2.000 R= 10.250 F=1.234        \n",
       "　　　　　　　　　α=  10.250        "},
      {"segments", 3, "すべり線=(  1.500, -2.000)-(  4.000,  5.000) F=1.234        \n",
       "　　　　　　　Ｘ，Ｙ=   4.000,   5.000        "},
  };
  for (const auto& c : cases) {
    ResetMinSlip();
    HeadlessProgress p;
    ResetLineRecord2(0, 1.5, -2.0, 4.0, 5.0, 10.25);
    CurrentSlipResult.sx = 4.0;
    CurrentSlipResult.ex = 1.5;
    CurrentSlipResult.f = 1.234;
    switch (c.family) {
      case 0: StoreCircleResult(1, p); break;
      case 1: StoreCircleResultBishop(1, BishopShares{}, p); break;
      case 2: StoreLineResult(1, p); break;
      default: StoreLineResult2(1, p); break;
    }
    EXPECT_EQ(p.Line(4), c.line4) << c.name;
    EXPECT_EQ(p.Line(5), "最小安全率　Ｆｍｉｎ=   1.234        ") << c.name;
    EXPECT_EQ(p.Line(6), "　　　　　　　Ｘ，Ｙ=   1.500,  -2.000        ") << c.name;
    EXPECT_EQ(p.Line(7), c.line7) << c.name;
    EXPECT_EQ(p.Line(8), "") << c.name;
    EXPECT_EQ(p.repaints(), 1) << c.name;
  }
}

// --- Record resets ----------------------------------------------------------------------------

TEST(SlipRecordReset, CircleResetClearsEverySumAndBothPairsOfEnds) {
  CurrentSlipResult.mry = 3.0;
  SlipInvalid = 1;
  SlipMassYRange = {4.0, 2.0};
  ResetCircleRecord(2, 1.0, 2.0, 3.0);
  const SlipResult& r = CurrentSlipResult;
  EXPECT_EQ(r.order, 3);
  EXPECT_EQ(r.rr, 3.0);
  EXPECT_EQ(r.LabelX, 1.0);
  EXPECT_EQ(r.LabelY, 2.0);
  EXPECT_EQ(r.sx, -999999.9);
  EXPECT_EQ(r.cex, 999999.9);
  EXPECT_EQ(r.mry, 0.0);
  EXPECT_EQ(r.f, kNoSafetyFactor);
  EXPECT_EQ(SlipInvalid, 0);
  EXPECT_EQ(SlipMassYRange.MaxY, -999999.9);
  EXPECT_EQ(SlipMassYRange.MinY, 999999.9);
}

TEST(SlipRecordReset, LineResetLeavesSoilEndsAndPileTerm) {
  ResetCircleRecord(0, 0.0, 0.0, 1.0);
  CurrentSlipResult.csx = 5.0;
  CurrentSlipResult.mry = 6.0;
  ResetLineRecord(1, 1.0, 2.0, 35.0);
  EXPECT_EQ(CurrentSlipResult.csx, 5.0);
  EXPECT_EQ(CurrentSlipResult.mry, 6.0);
  EXPECT_EQ(CurrentSlipResult.order, 2);
  EXPECT_EQ(CurrentSlipResult.rr, 35.0);
}

TEST(SlipRecordReset, ProjectResetClearsTheSlidingSenses) {
  SlopeDirection = -1;
  MinSlip.Direction = -1;
  ResetProjectData();
  EXPECT_EQ(SlopeDirection, 0);
  EXPECT_EQ(MinSlip.Direction, 0);
}

}  // namespace
}  // namespace selvana
