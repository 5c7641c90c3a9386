// Consolidation of a run's result tables: the critical surface, Fmin with the sheet-pile term,
// and the circle list of one entry per centre.
#include "calc/results/consolidation.h"

#include <gtest/gtest.h>

#include "calc/results/safety_factor.h"
#include "calc/results/slip_result.h"
#include "calc/test_model_builder.h"
#include "model/partial_factors.h"
#include "model/project_model.h"

namespace selvana {
namespace {

class Consolidation : public ::testing::Test {
 protected:
  void SetUp() override {
    SlipResultCount.fill(0);
    CalcStatus = 1;
  }
  // Appends a surface centred at (cx, cy) with radius 10 whose resisting and driving moments
  // give the safety factor f (md 1000).
  SlipResult& Add(int order, double cx, double cy, double f) {
    SlipResult& r = SlipResultTable[order - 1][SlipResultCount[order - 1]++];
    r = SlipResult{};
    r.order = order;
    r.cx = cx, r.cy = cy, r.rr = 10.0;
    r.LabelX = cx, r.LabelY = cy;
    r.mrf = f * 1000.0, r.mdw = 1000.0;
    r.mr = r.mrf, r.md = r.mdw, r.f = f;
    return r;
  }
};

TEST_F(Consolidation, WithoutValidResultsNothingChanges) {
  Add(1, 0.0, 0.0, 1.5);
  CalcStatus = 0;
  CircleListCount = 7;
  Fmin = 3.0;
  EXPECT_EQ(0, ConsolidateResults());
  EXPECT_EQ(7, CircleListCount);
  EXPECT_EQ(3.0, Fmin);
}

TEST_F(Consolidation, CriticalIsTheFirstOfTheLowest) {
  Add(1, 0.0, 0.0, 1.5);
  Add(1, 1.0, 0.0, 1.25);
  Add(2, 2.0, 0.0, 1.25);
  Add(2, 3.0, 0.0, 1.75);
  EXPECT_EQ(4, ConsolidateResults());
  EXPECT_EQ(1.0, CriticalResult.cx);
  EXPECT_EQ(1.25, Fmin);
  EXPECT_EQ(Fmin, CriticalResult.f);
}

TEST_F(Consolidation, CriticalMayComeFromALaterOrderAlone) {
  // The first grid accepted nothing; a stale record in its first slot must not count.
  SlipResultTable[0][0].f = 0.5;
  Add(2, 4.0, 4.0, 1.5);
  EXPECT_EQ(1, ConsolidateResults());
  EXPECT_EQ(4.0, CriticalResult.cx);
  EXPECT_EQ(1.5, Fmin);
}

TEST_F(Consolidation, OneEntryPerCentreWithItsLowestFactor) {
  DrawSettings.DrawOrder = {1, -1, 1, -1};
  Add(1, 0.0, 0.0, 1.5);
  Add(1, 1.0, 0.0, 1.25);
  Add(1, 0.0, 0.0, 1.375);         // same centre, lower: replaces
  Add(2, 1.0, 0.0, 1.25);          // same centre, equal: the earlier order stays
  Add(2, 0.00000005, 0.0, 1.125);  // within 1e-7 of the first centre: the same centre
  Add(3, 5.0, 5.0, 2.0);
  ASSERT_EQ(3, ConsolidateResults());
  ASSERT_EQ(3, CircleListCount);
  EXPECT_EQ(1.125, CircleList[0].F);
  EXPECT_EQ(2, CircleList[0].Order);
  EXPECT_EQ(-1, CircleList[0].LabelFlag);
  EXPECT_EQ(1.25, CircleList[1].F);
  EXPECT_EQ(1, CircleList[1].Order);
  EXPECT_EQ(1, CircleList[1].LabelFlag);
  EXPECT_EQ(3, CircleList[2].Order);
  EXPECT_EQ(1, CircleList[2].LabelFlag);
  EXPECT_EQ(0, CircleList[2].DrawMark);
}

// The test pile at x = 6 cuts the circle (0, 10, R 10) at (6, 2); in mode 3 it resists
// 1250 kNm/m; in mode 2 its passive pressure over lm1 = 4 below the cut gives 200 kN/m at
// y = -4/15, so 200 x (10 + 4/15) kNm/m about the centre.
TEST_F(Consolidation, SheetPileTermIsAddedToTheCriticalSurface) {
  struct Case {
    const char* name;
    int method;
    double pileX;
    int factorsOn;
    int mode;
    double fmin;
  };
  const Case cases[] = {
      {"pile_cuts_the_circle", kMethodFellenius, 6.0, 0, 3, 2.25},
      {"tschebotarioff_too", kMethodTschebotarioff, 6.0, 0, 3, 2.25},
      {"user_pile_factor_applies", kMethodFellenius, 6.0, 1, 3, 2.0},
      {"pile_misses_the_circle", kMethodFellenius, 20.0, 0, 3, 1.0},
      {"bishop_has_no_pile_term", kMethodBishop, 6.0, 0, 3, 1.0},
      {"mode_1_has_no_pile_term", kMethodFellenius, 6.0, 0, 1, 1.0},
      {"passive_pressure", kMethodFellenius, 6.0, 0, 2, 3.053},                 // mr/md = 3.0533
      {"passive_pressure_factor_applies", kMethodFellenius, 6.0, 1, 2, 2.026},  // 2.0267
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetProjectData();
    SetUp();
    cm.kt = c.method;
    test::SetTestSheetPile(c.mode, c.pileX);
    PartialFactors.Enabled = c.factorsOn;
    PartialFactors.Factor[kFactorPileShear] = 0.8;
    PartialFactors.Factor[kFactorPilePressure] = 0.5;
    Add(1, 0.0, 10.0, 1.0);
    ConsolidateResults();
    EXPECT_EQ(c.fmin, Fmin);
  }
}

TEST_F(Consolidation, CriticalWithoutDrivingMomentIsMarked) {
  SlipResult& r = Add(1, 0.0, 0.0, 1.5);
  r.mdw = 0.0;
  ConsolidateResults();
  EXPECT_EQ(kNoSafetyFactor, Fmin);
}

// The recomputed Fmin gives the no-factor mark exactly where the totals of each method do, so
// the verdict never shows a factor the result table does not.
TEST_F(Consolidation, FminMarksWhatTheTotalsMark) {
  struct Case {
    const char* name;
    int method;
    double mrf;
    double mdw;
    double fmin;
    double storedF = 1.5;
  };
  // Marked surfaces are stored only when MaxSafetyFactor lets them in; their partial moments
  // (here a ratio of 0.8) must not turn into a factor.
  constexpr double kBishopMark = 999999.99;
  const Case cases[] = {
      {"marked_fellenius_keeps_mark", kMethodFellenius, 800.0, 1000.0, kNoSafetyFactor,
       kNoSafetyFactor},
      {"marked_line_keeps_mark", kMethodLineFromPoint, 800.0, 1000.0, kNoSafetyFactor,
       kNoSafetyFactor},
      {"bishop_without_driving_keeps_mark", kMethodBishop, 800.0, 1000.0, kNoSafetyFactor,
       kBishopMark},
      {"bishop_negative_drive", kMethodBishop, 500.0, -1000.0, kNoSafetyFactor},
      {"modified_bishop_negative_drive", kMethodModifiedBishop, 500.0, -1000.0, kNoSafetyFactor},
      {"line_from_point_negative_drive", kMethodLineFromPoint, 500.0, -1000.0, kNoSafetyFactor},
      {"segments_negative_drive", kMethodLineBetweenSegments, 500.0, -1000.0, kNoSafetyFactor},
      {"just_below_minus_tolerance", kMethodBishop, 500.0, -1.5e-5, kNoSafetyFactor},
      {"within_tolerance", kMethodLineFromPoint, 500.0, -0.5e-5, kNoSafetyFactor},
      {"negative_resistance_is_kept", kMethodBishop, -500.0, 1000.0, -0.5},
      {"line_negative_resistance_is_kept", kMethodLineBetweenSegments, -500.0, 1000.0, -0.5},
      {"zero_resistance_is_kept", kMethodLineFromPoint, 0.0, 1000.0, 0.0},
      {"fellenius_negative_drive", kMethodFellenius, 500.0, -1000.0, kNoSafetyFactor},
      {"fellenius_negative_resistance", kMethodFellenius, -500.0, 1000.0, kNoSafetyFactor},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    cm.kt = c.method;
    SlipResult& r = Add(1, 0.0, 0.0, c.storedF);
    r.mrf = c.mrf;
    r.mdw = c.mdw;
    ConsolidateResults();
    // Exact: the quotients -0.5 and 0 are exact, and the truncation keeps whole steps.
    EXPECT_EQ(c.fmin, Fmin);
  }
}

}  // namespace
}  // namespace selvana
