// The Bishop totals: the damped fixed-point iteration on hand-made slice records (no
// resistance, no friction, no driving moment, no convergence) and the completion of a record
// (sliding sense, horizontal forces, the structural analysis factor of method 2 only).
#include "calc/circle/bishop_totals.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "calc/circle/bishop_slices.h"
#include "calc/results/safety_factor.h"
#include "calc/results/slip_result.h"
#include "model/partial_factors.h"
#include "model/project_model.h"

namespace selvana {
namespace {

TEST(BishopIteration, EndsAsTheRecordsAndTheDrivingTotalDecide) {
  struct Case {
    const char* name;
    std::vector<BishopSliceRecord> slices;
    double md;
    double F;
    int steps;
  };
  const Case cases[] = {
      // Every step gives 0; F halves from 1 until it is within 1e-5 of 0: 2^-17.
      {"no_resistance", {{0, 0.9, 0.3, 0, 0}, {0, 0.8, 0.2, 0, 0}}, 100.0, 0.0, 17},
      // m does not depend on F: the ratio at once, then halving the gap of 0.5 below 1e-5.
      {"no_friction", {{150, 1.0, 0.0, 150, 0}}, 100.0, 1.5, 16},
      {"already_there", {{100, 1.0, 0.0, 100, 0}}, 100.0, 1.0, 0},
      {"driving_nearly_zero", {{100, 1.0, 0.5, 60, 40}}, 9e-6, kBishopNoDriving, 0},
      {"driving_negative", {{100, 1.0, 0.5, 60, 40}}, -50.0, kBishopNoDriving, 0},
      // A base standing vertical (cos α 0) makes the ratio 3 F: F doubles at every step.
      {"no_convergence", {{3.0, 0.0, 1.0, 0, 3.0}}, 1.0, -1.0, kBishopMaxSteps},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const BishopIteration it = IterateBishop(c.slices, c.md);
    EXPECT_EQ(c.steps, it.steps);
    if (c.F >= 0.0) {
      EXPECT_EQ(c.F, it.F);
    }
  }
}

// The iteration with every sum in every pass, as it was first written: the faster loop must
// give its bits (F, steps, and the shares of the last pass), converged or not.
BishopIteration IterateWithEverySum(const std::vector<BishopSliceRecord>& slices, double md) {
  BishopIteration it;
  double F = 1.0;
  int k = 0;
  do {
    it.sums = SumBishopSlices(slices, F);
    if (std::fabs(md) < 1e-5 || md < -1e-5) {
      it.F = kBishopNoDriving;
      break;
    }
    it.F = std::fabs(it.sums.resisting) / md;
    if (std::fabs(F - it.F) < 1e-5) break;
    F = std::max((F + it.F) * 0.5, 1e-6);
    ++k;
  } while (k < kBishopMaxSteps);
  it.steps = k;
  return it;
}

TEST(BishopIteration, GivesTheBitsOfSummingEverythingInEveryPass) {
  std::mt19937_64 random(21);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  // Slice counts around the four-slice groups. On bases standing vertical (cos α 0) the ratio
  // is F times Σ Numerator / TanTerm / md: 2 or 1.5 lets F grow, finite, for every step.
  for (const bool vertical : {false, true}) {
    for (const int n : {1, 3, 4, 5, 7, 8, 231}) {
      std::vector<BishopSliceRecord> slices;
      double growth = 0.0;
      for (int i = 0; i < n; ++i) {
        const double c = 100.0 * unit(random), f = 100.0 * unit(random);
        const double cosTerm = vertical ? 0.0 : 0.2 + 0.8 * unit(random);
        slices.push_back({c + f, cosTerm, 0.1 + unit(random), c, f});
        growth += slices.back().Numerator / slices.back().TanTerm;
      }
      const double md1 = vertical ? growth / 2.0 : 40.0 * n,
                   md2 = vertical ? growth / 1.5 : 3.0 * n;
      for (const double md : {md1, md2, 1e-6, -5.0}) {
        SCOPED_TRACE(::testing::Message() << n << " slices, md " << md << ", " << vertical);
        const BishopIteration fast = IterateBishop(slices, md);
        const BishopIteration plain = IterateWithEverySum(slices, md);
        EXPECT_EQ(plain.steps, fast.steps);
        EXPECT_EQ(plain.F, fast.F);
        EXPECT_EQ(plain.sums.resisting, fast.sums.resisting);
        EXPECT_EQ(plain.sums.cohesion, fast.sums.cohesion);
        EXPECT_EQ(plain.sums.friction, fast.sums.friction);
        if (vertical && md > 0.001) {
          EXPECT_EQ(kBishopMaxSteps, fast.steps);
        }
      }
    }
  }
}

class BishopTotals : public ::testing::Test {
 protected:
  void SetUp() override {
    cm.kt = kMethodBishop;
    BishopSlices.SetRoom(4);
    ResetCircleRecordBishop(0, 0.0, 10.0, 12.0);
    CurrentSlipResult.sx = 5.0;
    CurrentSlipResult.ex = -5.0;
  }
  // One slice record that resists 150 whatever F is.
  void AddFixedResistance() { BishopSlices.Append({150.0, 1.0, 0.0, 90.0, 60.0}); }
};

TEST_F(BishopTotals, RecordHoldsTheWholeResistanceAsCohesion) {
  AddFixedResistance();
  CurrentSlipResult.mdw = 100.0;
  const BishopShares shares = CircleTotalsBishop();
  const SlipResult& r = CurrentSlipResult;
  EXPECT_EQ(0.0, r.mrf);
  EXPECT_EQ(150.0, r.mrc);
  EXPECT_EQ(150.0, r.mr);
  EXPECT_EQ(100.0, r.md);
  EXPECT_EQ(1.5, r.f);
  EXPECT_EQ(90.0, shares.cohesion);
  EXPECT_EQ(60.0, shares.friction);
}

TEST_F(BishopTotals, AutomaticSenseTurnsANegativeWeightMoment) {
  AddFixedResistance();
  CurrentSlipResult.mdw = -100.0;
  CircleTotalsBishop();
  EXPECT_EQ(-1, SlopeDirection);
  EXPECT_EQ(100.0, CurrentSlipResult.mdw);
  EXPECT_EQ(1.5, CurrentSlipResult.f);
}

TEST_F(BishopTotals, HorizontalForcesInsideTheSlipMassAndTheThirdAlways) {
  AddFixedResistance();
  CurrentSlipResult.mdw = 100.0;
  SlipMassYRange = {4.0, 0.0};
  cm.HorizontalForces.Y = {2.0, 8.0, 8.0};  // the second lies above the sliding mass
  cm.HorizontalForces.H = {1.0, 1.0, 1.0};
  CircleTotalsBishop();
  EXPECT_EQ((10.0 - 2.0) + (10.0 - 8.0), CurrentSlipResult.mdh);
}

TEST_F(BishopTotals, StructuralFactorActsOnTheSimplifiedMethodOnly) {
  struct Case {
    int method;
    double md;
    double f;
  };
  const Case cases[] = {{kMethodBishop, 125.0, 1.2}, {kMethodModifiedBishop, 100.0, 1.5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.method);
    SetUp();
    cm.kt = c.method;
    PartialFactors.Enabled = 1;
    PartialFactors.Factor[kFactorStructural] = 1.25;
    AddFixedResistance();
    CurrentSlipResult.mdw = 80.0;
    CurrentSlipResult.mdk = 20.0;
    CircleTotalsBishop();
    const SlipResult& r = CurrentSlipResult;
    EXPECT_EQ(c.md, r.md);
    EXPECT_EQ(c.md, r.mdw + r.mdh + r.mdk);  // the stored terms carry the factor too
    EXPECT_EQ(c.f, r.f);
  }
}

TEST_F(BishopTotals, InvalidOrUnconvergedSurfaceKeepsTheMark) {
  struct Case {
    const char* name;
    BishopSliceRecord slice;
    int invalid;
  };
  const Case cases[] = {
      {"invalid", {150.0, 1.0, 0.0, 90.0, 60.0}, 1},
      {"unconverged", {3.0, 0.0, 1.0, 0.0, 3.0}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    BishopSlices.Append(c.slice);
    SlipInvalid = c.invalid;
    CurrentSlipResult.mdw = 1.0;
    CircleTotalsBishop();
    EXPECT_EQ(kNoSafetyFactor, CurrentSlipResult.f);
    EXPECT_EQ(1.0, CurrentSlipResult.md);  // the driving terms are completed all the same
  }
}

}  // namespace
}  // namespace selvana
