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

namespace {

// Four slices side by side. Each lane is divided and added exactly as one slice alone would
// be (IEEE operations round the same in every lane); only the sum runs slice by slice.
using FourLanes = double __attribute__((vector_size(32)));

// A copy for processors with four-lane divisions beside the plain one, picked when the program
// loads. Not under the thread sanitizer, whose checks are not ready yet at that moment.
#if defined(__SANITIZE_THREAD__)
#define SELVANA_FOUR_LANE_CLONES
#else
#define SELVANA_FOUR_LANE_CLONES __attribute__((target_clones("avx2", "default")))
#endif

// Σ Numerator / m(F) alone: the only sum that decides the iteration. The quotients of four
// slices at a time are found together, then added one by one in the order of the slices.
SELVANA_FOUR_LANE_CLONES double ResistingSum(std::span<const BishopSliceRecord> slices, double F) {
  const BishopSliceRecord* s = slices.data();
  const std::size_t n = slices.size();
  const FourLanes f = {F, F, F, F};
  double resisting = 0.0;
  std::size_t i = 0;
  for (; i + 4 <= n; i += 4) {
    const FourLanes num = {s[i].Numerator, s[i + 1].Numerator, s[i + 2].Numerator,
                           s[i + 3].Numerator};
    const FourLanes tan = {s[i].TanTerm, s[i + 1].TanTerm, s[i + 2].TanTerm, s[i + 3].TanTerm};
    const FourLanes cos = {s[i].CosTerm, s[i + 1].CosTerm, s[i + 2].CosTerm, s[i + 3].CosTerm};
    const FourLanes q = num / (tan / f + cos);
    resisting += q[0];
    resisting += q[1];
    resisting += q[2];
    resisting += q[3];
  }
  for (; i < n; ++i) resisting += s[i].Numerator / (s[i].TanTerm / F + s[i].CosTerm);
  return resisting;
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
  double resisting = 0.0;
  int k = 0;
  // The shares are summed once at the end, at the F of the last pass: each is its own sum in
  // the order of the slices, so they come out as if every pass had summed them.
  double lastF = F;
  do {
    lastF = F;
    resisting = ResistingSum(slices, F);
    if (NoDrivingMoment(md)) {
      it.F = kBishopNoDriving;
      break;
    }
    it.F = std::fabs(resisting) / md;
    if (std::fabs(F - it.F) < 1e-5) break;
    F = (F + it.F) * 0.5;
    if (F < 1e-6) F = 1e-6;
    ++k;
  } while (k < kBishopMaxSteps);
  it.steps = k;
  it.sums = SumBishopSlices(slices, lastF);
  it.sums.resisting = resisting;
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
  if (SurfaceJudged() && it.steps < kBishopMaxSteps && !BishopSlices.Overflowed()) {
    r.f = TruncateSafetyFactor(it.F);
  }
  return BishopShares{it.sums.friction, it.sums.cohesion};
}

void ResetBishopState() {
  BishopSlices.Clear();
  BishopSlices.ResetDropped();
}

}  // namespace selvana
