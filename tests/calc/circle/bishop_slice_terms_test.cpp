// The five terms and the driving moments of one Bishop slice, for both formulas, on a base that
// rises and one that falls towards the right: cohesion growing with depth, the weights of the
// blocks above (a free slot ignored), a surcharge partly over the slice, the seismic moment and
// driving with the effective weight.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>

#include "calc/circle/bishop_slices.h"
#include "calc/circle/fellenius_slice.h"
#include "calc/run_data.h"
#include "model/project_model.h"

namespace selvana {
namespace {

constexpr double kR = 10.0, kCy = 12.0;

// Block 0 (the base): γt 20, γ' 10, C0 10, K 2, φ 45°, sand piles switched on (not read).
// Block 1: γt 10, γ' 5. Block 2 is a free slot whose strip must not count.
// Strips: block 0 area 6 at mid-height 4, block 1 area 2 at 7, block 2 area 100.
// So W = 140, W' = 70, yg = (4 x 6 x 20 + 7 x 2 x 10) / 140 = 620 / 140.
// Surcharge 0 runs 10 .. 30 kN/m2 from x 2 to 6: over the slice 0..4, Q = (20 + 10) x 2 / 2 = 30.
// Surcharge 1 lies wholly left of the slice. Reference level 5: c = 2 x (5 - 1.5) + 10 = 17.
void BuildSliceModel() {
  cm.CohesionRefMode = 0;
  cm.CohesionRefHeight = 5.0;
  cm.SeismicCoefficient = 0.1;
  BlockCount = 3;
  BlockRecord& base = BlockTable[0];
  base.Number = 0;
  base.UnitWeight = 20.0;
  base.EffectiveUnitWeight = 10.0;
  base.Cohesion = 10.0;
  base.CohesionGradient = 2.0;
  base.FrictionAngle = 45.0;
  base.SandPile = 1;
  base.ReplacementRatio = 0.5;
  BlockRecord& upper = BlockTable[1];
  upper.Number = 1;
  upper.UnitWeight = 10.0;
  upper.EffectiveUnitWeight = 5.0;
  BlockRecord& free = BlockTable[2];
  free.Number = -1;
  free.UnitWeight = 50.0;
  free.EffectiveUnitWeight = 50.0;
  RunData.BlockStrips[0] = {2.0, 4.0, 6.0};
  RunData.BlockStrips[1] = {2.0, 7.0, 2.0};
  RunData.BlockStrips[2] = {2.0, 1.0, 100.0};
  SurchargeRecord& s = cm.Surcharges;
  s.XMin = {2.0, -10.0, 0.0, 0.0};
  s.XMax = {6.0, -5.0, 0.0, 0.0};
  s.LoadAtXMin = {10.0, 40.0, 0.0, 0.0};
  s.LoadAtXMax = {30.0, 40.0, 0.0, 0.0};
}

struct Expected {
  BishopSliceRecord record;
  double mdw, mdk;
};

// The terms as the two formulas state them, from the slice's base angle and driving weight.
Expected Formula(int method, double alpha, double drivingW) {
  const double c = 17.0, b = 4.0, load = 70.0 + 30.0, yg = 620.0 / 140.0;
  const double tanPhi = std::tan(45.0 * std::numbers::pi / 180.0);
  Expected e{};
  if (method == kMethodModifiedBishop) {
    const double beta = alpha * 2.0 / 7.0;
    const double d = 1.0 + std::tan(alpha) * std::tan(beta);
    e.record = {(d * c * b + load * tanPhi) * kR, d * std::cos(alpha),
                std::fabs((std::tan(alpha) - std::tan(beta)) * std::cos(alpha) * tanPhi),
                d * c * b * kR, load * tanPhi * kR};
  } else {
    e.record = {(c * b + load * tanPhi) * kR, std::cos(alpha), std::fabs(std::sin(alpha) * tanPhi),
                c * b * kR, load * tanPhi * kR};
  }
  e.mdw = (drivingW + 30.0) * kR * std::sin(alpha);
  e.mdk = 0.1 * drivingW * (kCy - yg);
  return e;
}

TEST(BishopSliceTerms, EachTermAsTheFormulaStatesIt) {
  struct Case {
    const char* name;
    int method;
    double yRight, yLeft;  // base from (4, yRight) down or up to (0, yLeft)
    int drivingMode;
    double drivingW;  // W, or W' when driving with the effective weight
  };
  const Case cases[] = {
      {"simplified_base_rising", kMethodBishop, 3.0, 0.0, 0, 140.0},
      {"simplified_base_falling", kMethodBishop, 0.0, 3.0, 0, 140.0},
      {"simplified_effective_weight_drives", kMethodBishop, 3.0, 0.0, 1, 70.0},
      {"modified_base_rising", kMethodModifiedBishop, 3.0, 0.0, 0, 140.0},
      {"modified_base_falling", kMethodModifiedBishop, 0.0, 3.0, 0, 140.0},
      {"modified_effective_weight_drives", kMethodModifiedBishop, 0.0, 3.0, 1, 70.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetProjectData();
    ResetCalcRunData();
    BuildSliceModel();
    cm.kt = c.method;
    cm.DrivingForceMode = c.drivingMode;
    BishopSlices.SetRoom(2);
    SliceTerms.mrf = 123.0;
    SliceTerms.mrc = 456.0;
    SliceTermsBishop(kR, 1.0, kCy, 0, 4.0, c.yRight, 0.0, c.yLeft);

    const double alpha = std::atan2(c.yRight - c.yLeft, 4.0);
    const Expected e = Formula(c.method, alpha, c.drivingW);
    ASSERT_EQ(1u, BishopSlices.Records().size());
    const BishopSliceRecord& r = BishopSlices.Records()[0];
    // The code may group the same products differently: agreement to a few units in the last
    // place of values of order 1 to 2000.
    constexpr double kRel = 1e-13;
    EXPECT_NEAR(e.record.Numerator, r.Numerator, kRel * std::fabs(e.record.Numerator));
    EXPECT_NEAR(e.record.CosTerm, r.CosTerm, kRel);
    EXPECT_NEAR(e.record.TanTerm, r.TanTerm, kRel);
    EXPECT_GE(r.TanTerm, 0.0);
    EXPECT_NEAR(e.record.CohesionNumerator, r.CohesionNumerator, kRel * e.record.CohesionNumerator);
    EXPECT_NEAR(e.record.FrictionNumerator, r.FrictionNumerator, kRel * e.record.FrictionNumerator);
    EXPECT_NEAR(e.mdw, SliceTerms.mdw, kRel * std::fabs(e.mdw));
    EXPECT_EQ(0.0, SliceTerms.mdh);
    EXPECT_NEAR(e.mdk, SliceTerms.mdk, kRel * std::fabs(e.mdk));
    // The resisting shares of the slice are the records' business.
    EXPECT_EQ(123.0, SliceTerms.mrf);
    EXPECT_EQ(456.0, SliceTerms.mrc);

    // The search's form appends the same record and adds the same driving terms.
    SlipResult sums{};
    AddSliceBishop(FindBishopRunTerms(), kR, kCy, 0, 4.0, c.yRight, 0.0, c.yLeft, sums);
    ASSERT_EQ(2u, BishopSlices.Records().size());
    EXPECT_EQ(0, std::memcmp(&r, &BishopSlices.Records()[1], sizeof r));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(SliceTerms.mdw), std::bit_cast<std::uint64_t>(sums.mdw));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(SliceTerms.mdk), std::bit_cast<std::uint64_t>(sums.mdk));
  }
}

}  // namespace
}  // namespace selvana
