// Completing a Bishop slip surface: water thrust at its ends, horizontal forces, sliding sense,
// and the safety factor by a damped fixed-point iteration over the surface's slice records.
#pragma once
#include <span>

#include "calc/circle/bishop_slices.h"
#include "calc/results/result_store_lines.h"

namespace selvana {

// What the iteration gives when there is no driving moment to divide by (also the value that
// the truncation then turns into f).
inline constexpr double kBishopNoDriving = 999999.99;
// The iteration gives up after this many damped steps.
inline constexpr int kBishopMaxSteps = 1000;

// One pass over the slice records at a trial F: Σ Numerator / m(F) and its two shares.
struct BishopSums {
  double resisting = 0.0;
  double cohesion = 0.0;
  double friction = 0.0;
};

struct BishopIteration {
  double F = 0.0;   // the last ratio mr / md (kBishopNoDriving without a driving moment)
  int steps = 0;    // damped steps taken; kBishopMaxSteps means no convergence
  BishopSums sums;  // of the last pass
};

// The sums of the records at F, with m(F) = TanTerm / F + CosTerm.
BishopSums SumBishopSlices(std::span<const BishopSliceRecord> slices, double F);

// The fixed-point iteration for a driving total md: from F = 1, each pass gives
// Fnew = |Σ Numerator / m(F)| / md; it ends when |F - Fnew| < 1e-5 (F not updated), otherwise
// F := (F + Fnew) / 2, at least 1e-6, for at most kBishopMaxSteps steps. A driving total
// within 1e-5 of zero, or below -1e-5 (a surface driven against its sliding sense), gives
// kBishopNoDriving after the first pass.
BishopIteration IterateBishop(std::span<const BishopSliceRecord> slices, double md);

// Completes CurrentSlipResult from the records in BishopSlices and the driving terms summed by
// the search: the end thrust of pressure water (not in driving-force mode 1), the horizontal
// forces, the sliding sense of BishopCircleSettings (mdw turned with it), then the iteration.
// The record gets mrf 0, mrc = mr = the resisting total, md the driving total; with partial
// factors on and cm.kt 2 the structural analysis factor multiplies md, mdw, mdh and mdk. f is
// the truncated ratio when the surface is judged (SurfaceJudged), the iteration converged and no
// slice was dropped; otherwise f keeps 999999.9. Returns the shares of the last iteration,
// Σ FrictionNumerator / m(F) and Σ CohesionNumerator / m(F), which the store writes into the
// dump line as mrf and mrc.
BishopShares CircleTotalsBishop();

// The Bishop state back to its start: no slice records, no dropped slices.
void ResetBishopState();

}  // namespace selvana
