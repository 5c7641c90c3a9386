// Totals of a Bishop circle. The resisting moment depends on the safety factor itself, so the
// factor is found by iterating over the slice records of the surface; the driving moment is
// completed as for the Fellenius circle.
#include "calc/circle/bishop_totals.h"

#include <cmath>

#include "calc/circle/totals_common.h"
#include "calc/results/safety_factor.h"
#include "calc/results/slip_result.h"
#include "model/design_copy.h"
#include "model/partial_factors.h"
#include "model/project_model.h"

namespace selvana {

namespace {

// True when md gives no safety factor: nearly zero, or clearly negative. A negative total
// would settle on a negative or near-zero F and hide the real critical circle as a minimum.
bool NoDrivingMoment(double md) { return std::fabs(md) < 1e-5 || md < -1e-5; }

// True when the structural analysis factor multiplies the driving terms: the user's factors
// are on and the method is the simplified one (never the modified formula).
bool StructuralFactorApplies() {
  return UserPartialFactors().Enabled != 0 && cm.kt == kMethodBishop;
}

}  // namespace

BishopSums SumBishopSlices(std::span<const BishopSliceRecord> slices, double F) {
  BishopSums s;
  for (const BishopSliceRecord& slice : slices) {
    const double m = slice.TanTerm / F + slice.CosTerm;
    s.resisting += slice.Numerator / m;
    s.cohesion += slice.CohesionNumerator / m;
    s.friction += slice.FrictionNumerator / m;
  }
  return s;
}

BishopIteration IterateBishop(std::span<const BishopSliceRecord> slices, double md) {
  BishopIteration it;
  double F = 1.0;
  int k = 0;
  do {
    it.sums = SumBishopSlices(slices, F);
    if (NoDrivingMoment(md)) {
      it.F = kBishopNoDriving;
      break;
    }
    it.F = std::fabs(it.sums.resisting) / md;
    if (std::fabs(F - it.F) < 1e-5) break;
    F = (F + it.F) * 0.5;
    if (F < 1e-6) F = 1e-6;
    ++k;
  } while (k < kBishopMaxSteps);
  it.steps = k;
  return it;
}

BishopShares CircleTotalsBishop() {
  SlipResult& r = CurrentSlipResult;
  if (cm.DrivingForceMode != 1) {
    // Each block's thrust goes onto mdw by itself, as the Fellenius totals do it.
    AddEndWaterThrusts(r.mdw, r.sx, r.sy, r.cy, 1);
    AddEndWaterThrusts(r.mdw, r.ex, r.ey, r.cy, -1);
  }
  AddHorizontalForceMoments(r, r.cy);
  ApplySlipDirection(r, BishopCircleSettings.SlipDirection);

  const bool scaled = StructuralFactorApplies();
  const double factor = UserPartialFactors().Factor[kFactorStructural];
  double md = r.mdw + r.mdh + r.mdk;
  if (scaled) md = md * factor;
  const BishopIteration it = IterateBishop(BishopSlices.Records(), md);
  r.mrf = 0.0;
  r.mrc = std::fabs(it.sums.resisting);
  r.mr = r.mrc;
  r.md = md;
  if (scaled) {
    r.mdw *= factor;
    r.mdh *= factor;
    r.mdk *= factor;
  }
  // Unlike the Fellenius rule there is no mark for a small result: zero stays zero.
  if (SlipInvalid == 0 && it.steps < kBishopMaxSteps && !BishopSlices.Overflowed()) {
    r.f = TruncateSafetyFactor(it.F);
  }
  return BishopShares{it.sums.friction, it.sums.cohesion};
}

void ResetBishopState() {
  BishopSlices.Clear();
  BishopSlices.ResetDropped();
}

}  // namespace selvana
