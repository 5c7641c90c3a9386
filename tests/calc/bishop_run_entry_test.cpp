// The Bishop run entry: its method check, the range checks on the Bishop settings, the verdict
// (also OUT for a critical factor of zero), the structural analysis factor of method 2 only,
// and the model given back after the run.
#include "calc/bishop_run_entry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "calc/circle/bishop_test_support.h"
#include "calc/fellenius_test_slopes.h"
#include "calc/progress/headless.h"
#include "calc/results/consolidation.h"
#include "calc/results/slip_result.h"
#include "calc/run_entry_expectations.h"
#include "model/partial_factors.h"
#include "model/project_file.h"
#include "support/scripted_message_box.h"

namespace selvana {
namespace {

using test::BuildHomogeneousSlope;
using test::ScriptedMessageBox;
using test::SetSingleBishopCircle;
using test::Soil;

class BishopRunEntry : public test::ScratchFolderTest {
 protected:
  void SetUp() override {
    test::ScratchFolderTest::SetUp();
    cm.kt = kMethodBishop;
  }
};

TEST_F(BishopRunEntry, OtherMethodsAreRefused) {
  for (const int method : {kMethodFellenius, kMethodTschebotarioff, kMethodLineFromPoint,
                           kMethodLineBetweenSegments}) {
    SCOPED_TRACE(method);
    test::ExpectMethodRefused(RunCircleCalcBishop, method, "cm.kt != 2,4");
  }
}

TEST_F(BishopRunEntry, RangesAreCheckedOnTheBishopSettings) {
  struct Case {
    const char* name;
    void (*spoil)();
    const char* message;  // nullptr: the run goes ahead
  };
  const Case cases[] = {
      {"bishop_centre_x_reversed", [] { BishopCircleSettings.CentreX[0] = 5.0; },
       "円弧中心　Xmax/Xmin　の値が不正です。"},
      {"bishop_radius_pitch", [] { BishopCircleSettings.Radius[2] = 0.0005; },
       "円弧半径　ΔＲ　の値が不正です。"},
      {"slice_width", [] { cm.SliceWidth = 0.0009; }, "分割幅　の値が不正です。"},
      {"fellenius_settings_not_read", [] { FelleniusCircleSettings.CentreX[2] = 0.0; }, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetProjectData();
    cm.kt = kMethodBishop;
    SetSingleBishopCircle(0.0, 0.0, 1.0);
    c.spoil();
    ScriptedMessageBox box;
    HeadlessProgress progress;
    if (c.message != nullptr) {
      box.Expect(c.message, "error");
      EXPECT_EQ(-1, RunCircleCalcBishop(progress));
      EXPECT_EQ(0, progress.shows());
    } else {
      box.Expect(test::kNoCircleReachedMessage, "メッセージ");  // empty model
      EXPECT_EQ(0, RunCircleCalcBishop(progress));
      EXPECT_EQ(1, progress.shows());
    }
  }
}

TEST_F(BishopRunEntry, FactorEqualToTheAllowableIsOk) {
  BuildHomogeneousSlope(Soil{});
  SetSingleBishopCircle(8.0, 22.0, 21.9);
  cm.AllowableSafetyFactor = 2.245;  // the factor of this circle
  ScriptedMessageBox box;
  box.Expect("計算：正常終了しました。判定(2.245 >= 2.245) OK", "終わり");
  HeadlessProgress progress;
  EXPECT_EQ(0, RunCircleCalcBishop(progress));
  EXPECT_EQ(1, CalcStatus);
  EXPECT_EQ(2.245, Fmin);
  EXPECT_FALSE(progress.visible());
}

TEST_F(BishopRunEntry, CriticalFactorOfZeroIsJudgedOut) {
  // Soil with no cohesion and a negligible friction angle: F = 0, which must not turn into the
  // no-factor mark and an OK.
  BuildHomogeneousSlope(Soil{.c0 = 0.0, .phi = 0.0002});
  SetSingleBishopCircle(20.0, 25.0, std::sqrt(850.0));
  cm.AllowableSafetyFactor = 1.2;
  ScriptedMessageBox box;
  box.Expect("計算：正常終了しました。判定(0.000 < 1.200) OUT", "終わり");
  HeadlessProgress progress;
  EXPECT_EQ(0, RunCircleCalcBishop(progress));
  EXPECT_EQ(0.0, Fmin);
}

// A pond of water acting as weight at the toe, from its bank at x -10 up to y 2. About (-8, 8),
// R 7 lies wholly in the pond (it was judged 0.000 OUT), R 12 runs through the soil.
TEST_F(BishopRunEntry, CircleWhollyInAPondIsNotJudged) {
  using test::AddTestPoint;
  const int toe = AddTestPoint(10, 0), shore = AddTestPoint(14, 2);
  const int left = AddTestPoint(-10, 0), bank = AddTestPoint(-10, 2);
  test::AddBoundaryChain({left, toe, shore, AddTestPoint(30, 10), AddTestPoint(50, 10),
                          AddTestPoint(50, -10), AddTestPoint(-10, -10)});
  test::AddTestLine(kLineBoundary, shore, bank);
  test::AddTestLine(kLineBoundary, bank, left);
  test::AddTestBlock(20, 0, Soil{});
  test::AddTestBlock(0, 1, Soil{10.0, 10.0, 0.0, 0.0, 0.0, kBlockWeightWater});
  test::SetOneCircleGrid(BishopCircleSettings, -8.0, 8.0, 7.0);
  BishopCircleSettings.Radius = {7.0, 12.0, 5.0, 0.0};
  ScriptedMessageBox box;
  box.ExpectPrefix("計算：正常終了しました。判定(", "終わり");
  HeadlessProgress progress;
  EXPECT_EQ(0, RunCircleCalcBishop(progress));
  EXPECT_EQ(1, SlipResultCount[0]);
  EXPECT_EQ(12.0, CriticalResult.rr);
  EXPECT_GT(Fmin, 0.1);
}

// The stored driving total of the single circle, with the given method and factors.
double DrivingTotal(int method, int factorsOn) {
  ResetProjectData();
  cm.kt = method;
  BuildHomogeneousSlope(Soil{});
  SetSingleBishopCircle(20.0, 25.0, std::sqrt(850.0));
  PartialFactors.Enabled = factorsOn;
  PartialFactors.Factor.fill(1.0);
  PartialFactors.Factor[kFactorStructural] = 1.25;
  ScriptedMessageBox box;
  box.ExpectPrefix("計算：正常終了しました。判定(", "終わり");
  HeadlessProgress progress;
  EXPECT_EQ(0, RunCircleCalcBishop(progress));
  EXPECT_EQ(1, SlipResultCount[0]);
  // The user's model is back after the run.
  EXPECT_EQ(factorsOn, PartialFactors.Enabled);
  EXPECT_EQ(1.25, PartialFactors.Factor[kFactorStructural]);
  return SlipResultTable[0][0].md;
}

TEST_F(BishopRunEntry, StructuralFactorScalesMethodTwoOnly) {
  struct Case {
    int method;
    double scale;
  };
  const Case cases[] = {{kMethodBishop, 1.25}, {kMethodModifiedBishop, 1.0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.method);
    const double off = DrivingTotal(c.method, 0);
    const double on = DrivingTotal(c.method, 1);
    // One multiplication apart: equal to rounding.
    EXPECT_NEAR(c.scale * off, on, 1e-12 * on);
  }
}

// A project nobody on the team wrote: the slope of Fredlund and Krahn (1977) with one fixed
// circle, centre (120, 90), R 80, by method 2. Their published simplified Bishop factor is 2.08,
// and a textbook fixed point on fine slices gives 2.0756. Method 2 takes |sin α tan φ| in the
// denominator, so the slices right of the centre, whose bases rise against the sliding, weigh
// less than in the textbook form: the same fixed point with that term (computed apart from this
// code, 1000 slices) gives 2.0346, which the program must reproduce to the third decimal.
TEST_F(BishopRunEntry, FixedCircleSampleProjectGivesTheFactorOfItsFormula) {
  std::filesystem::copy_file(std::filesystem::path(SELVANA_SAMPLES) / "FIXEDCIRCLE.SDW",
                             "FIXEDCIRCLE.SDW");
  ASSERT_EQ(kReadOk, ReadProjectFile("FIXEDCIRCLE"));
  ASSERT_EQ(kMethodBishop, cm.kt);
  ScriptedMessageBox box;
  box.Expect("計算：正常終了しました。判定(2.034 >= 1.000) OK", "終わり");
  HeadlessProgress progress;
  EXPECT_EQ(0, RunCircleCalcBishop(progress));
  // Truncated to three decimals; 2.0346 lies well inside the step from 2.034 to 2.035.
  EXPECT_DOUBLE_EQ(Fmin, 2.034);
}

}  // namespace
}  // namespace selvana
