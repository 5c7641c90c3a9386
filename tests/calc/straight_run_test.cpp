// The straight-line run entry: method check, the warnings and refusals of the settings, the
// verdict of methods 3 and 5 with the sliding sense of the best line, a negative safety factor
// judged OUT, partial factors on the search.
#include "calc/straight_run.h"

#include <gtest/gtest.h>

#include <vector>

#include "calc/fellenius_test_slopes.h"
#include "calc/progress/headless.h"
#include "calc/results/consolidation.h"
#include "calc/results/safety_factor.h"
#include "calc/results/slip_result.h"
#include "calc/run_entry_expectations.h"
#include "calc/straight/test_models.h"
#include "support/scripted_message_box.h"

namespace selvana {
namespace {

using test::BuildHomogeneousSlope;
using test::kNoResultMessage;
using test::ScriptedMessageBox;
using test::SetOneAngle;
using test::SetSegments;
using test::Soil;

const char* const kRangeWarning = "すべり角度　αmax/αmin　の値が不正です。";
const char* const kStepWarning = "すべり角度　Δα　の値が不正です。";

class StraightRun : public test::ScratchFolderTest {};

TEST_F(StraightRun, OtherMethodsAreRefused) {
  test::ExpectMethodRefused(RunStraightLineCalc, kMethodBishop, "cm.kt != 3");
}

TEST_F(StraightRun, MethodThreeWarnsAndStillRuns) {
  BuildHomogeneousSlope(Soil{}, true);
  SetOneAngle(-10.0, 0.0, 0.0, 1);
  struct Case {
    const char* name;
    double min, max, step;
    std::vector<const char*> warnings;
  };
  // A reversed range leaves the search nothing to evaluate; a fine step runs.
  const Case cases[] = {
      {"reversed range", 20.0, 18.0, 1.0, {kRangeWarning}},
      {"fine step", 18.0, 18.0, 0.0005, {kStepWarning}},
      {"both", 20.0, 18.0, 0.0005, {kRangeWarning, kStepWarning}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    StraightSlipSettings.Range = {k.min, k.max, k.step, 0.0};
    ScriptedMessageBox box;
    for (const char* w : k.warnings) box.Expect(w, "error");
    if (k.min > k.max) {
      box.Expect(kNoResultMessage, "メッセージ");
    } else {
      box.ExpectPrefix("計算：正常終了しました。", "終わり");
    }
    HeadlessProgress progress;
    EXPECT_EQ(0, RunStraightLineCalc(progress));
    EXPECT_EQ(1, progress.shows());
  }
}

TEST_F(StraightRun, SettingsThatNeverEndAreRefused) {
  BuildHomogeneousSlope(Soil{});
  struct Case {
    const char* name;
    int method;
    double r0, r1, r2, sliceWidth;
    std::vector<const char*> warnings;
    const char* refusal;
  };
  const Case cases[] = {
      {"angle step zero",
       3,
       10,
       20,
       0.0,
       0.1,
       {kStepWarning},
       "すべり角度　Δα　が０以下のため計算できません。"},
      {"angle step negative",
       3,
       20,
       10,
       -1.0,
       0.1,
       {kRangeWarning, kStepWarning},
       "すべり角度　Δα　が０以下のため計算できません。"},
      {"start spacing zero", 5, 0.0, 1.0, 0.0, 0.1, {}, "開始点ピッチ　の値が不正です。"},
      {"end spacing negative", 5, 1.0, -1.0, 0.0, 0.1, {}, "終了点ピッチ　の値が不正です。"},
      {"slice width", 5, 1.0, 1.0, 0.0, 0.0009, {}, "分割幅　の値が不正です。"},
      // Positive steps that would never end, or try more lines than a result table holds, are
      // refused at once with the step's message (no warning first that would repeat it).
      {"angle step below the rounding of the angle", 3, 30, 30, 1e-15, 0.1, {}, kStepWarning},
      {"angle steps beyond a table", 3, 5, 60, 0.0005, 0.1, {}, kStepWarning},
      {"start points beyond a table", 5, 1e-4, 1.0, 0.0, 0.1, {}, "開始点ピッチ　の値が不正です。"},
      {"pairs beyond a table", 5, 0.01, 0.01, 0.0, 0.1, {}, "終了点ピッチ　の値が不正です。"},
      {"angles below 0",
       3,
       -30,
       -10,
       1.0,
       0.1,
       {},
       "すべり角度　αmin/αmax　が０度以上９０度未満の範囲にないため計算できません。"},
      {"angle step of 30 over 10..25",
       3,
       10,
       25,
       30.0,
       0.1,
       {},
       "すべり角度　Δα　がαmin～αmaxの幅より大きいため計算できません。"},
      {"end spacing too fine to count",
       5,
       1.0,
       1e-300,
       0.0,
       0.1,
       {},
       "終了点ピッチ　の値が不正です。"},
  };
  // Segments of 10 m and 22.4 m for method 5.
  StraightSlipSettings.PointX = {0.0, 10.0, 35.0, 55.0};
  StraightSlipSettings.PointY = {0.0, 0.0, 10.0, 10.0};
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    cm.kt = k.method;
    cm.SliceWidth = k.sliceWidth;
    StraightSlipSettings.Range = {k.r0, k.r1, k.r2, 0.0};
    ScriptedMessageBox box;
    for (const char* w : k.warnings) box.Expect(w, "error");
    box.Expect(k.refusal, "error");
    HeadlessProgress progress;
    EXPECT_EQ(-1, RunStraightLineCalc(progress));
    EXPECT_EQ(0, progress.shows());
    EXPECT_EQ(0, CalcStatus);
  }
}

// The driving total overflows while the resisting one stays finite: the ratio would read 0 and
// be judged OUT.
TEST_F(StraightRun, AHugeSeismicCoefficientGivesNoResult) {
  BuildHomogeneousSlope(Soil{});
  SetSegments(10, 0, 10, 0, 40, 10, 40, 10, 1.0, 1.0);
  cm.SeismicCoefficient = 1e306;
  ScriptedMessageBox box;
  box.Expect(kNoResultMessage, "メッセージ");
  HeadlessProgress progress;
  EXPECT_EQ(0, RunStraightLineCalc(progress));
  EXPECT_EQ(0, CalcStatus);
}

TEST_F(StraightRun, MethodFiveVerdictOnTheHomogeneousSlope) {
  BuildHomogeneousSlope(Soil{});
  SetSegments(10, 0, 10, 0, 40, 10, 40, 10, 1.0, 1.0);
  SheetPileSettings.Mode = 1;  // which no straight line reads
  ScriptedMessageBox box;
  box.Expect(
      "計算：正常終了しました。判定(2.203 >= 1.000) OK\n※ 矢板はこの計算では考慮していません。",
      "終わり");
  HeadlessProgress progress;
  EXPECT_EQ(0, RunStraightLineCalc(progress));
  EXPECT_EQ(1, CalcStatus);
  EXPECT_EQ(2.203, Fmin);
  EXPECT_EQ(1, SlopeDirection);
  EXPECT_FALSE(progress.visible());
  EXPECT_NE(0, cm.CalcDateTime.Date[1]);  // stamped: a month is never 0
}

TEST_F(StraightRun, MethodThreeTakesTheSenseOfTheBestLine) {
  BuildHomogeneousSlope(Soil{}, true);
  SetOneAngle(-10.0, 0.0, 18.43494882, 1);
  cm.AllowableSafetyFactor = 2.5;
  ScriptedMessageBox box;
  box.Expect("計算：正常終了しました。判定(2.203 < 2.500) OUT", "終わり");
  HeadlessProgress progress;
  EXPECT_EQ(0, RunStraightLineCalc(progress));
  EXPECT_EQ(-1, SlopeDirection);
  EXPECT_EQ(1, CircleListCount);
}

TEST_F(StraightRun, NegativeSafetyFactorIsJudgedOut) {
  // A horizontal force far larger than the weight pushes along the line and off the base: the
  // friction turns negative and so does the factor, which must not hide behind the mark.
  BuildHomogeneousSlope(Soil{.c0 = 0.0});
  cm.HorizontalForces.H = {0.0, 0.0, 100000.0, 0.0};
  SetSegments(10, 0, 10, 0, 40, 10, 40, 10, 1.0, 1.0);
  ScriptedMessageBox box;
  box.ExpectPrefix("計算：正常終了しました。判定(-", "終わり");
  HeadlessProgress progress;
  EXPECT_EQ(0, RunStraightLineCalc(progress));
  EXPECT_LT(Fmin, 0.0);
}

TEST_F(StraightRun, PartialFactorsActOnTheSearchAndTheModelComesBack) {
  BuildHomogeneousSlope(Soil{});
  SetSegments(10, 0, 10, 0, 40, 10, 40, 10, 1.0, 1.0);
  PartialFactors.Enabled = 1;
  PartialFactors.Factor.fill(1.0);
  PartialFactors.Factor[8] = 0.5;  // cohesion halved in the design copy
  ScriptedMessageBox box;
  box.ExpectPrefix("計算：正常終了しました。", "終わり");
  HeadlessProgress progress;
  RunStraightLineCalc(progress);
  // Resistance with half the cohesion: (5 √1000 + 310.76) / 284.60 = 1.6474.
  EXPECT_DOUBLE_EQ(1.647, SlipResultTable[0][0].f);
  EXPECT_EQ(10.0, BlockTable[0].Cohesion);
  EXPECT_EQ(1, PartialFactors.Enabled);
}

}  // namespace
}  // namespace selvana
