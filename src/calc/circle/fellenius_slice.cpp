// Slice moments of the modified Fellenius / Tschebotarioff circle: cohesion growing with depth,
// weights of the strips above the base, surcharge, seismic reduction of friction, sand piles.
#include "calc/circle/fellenius_slice.h"

#include <cmath>

#include "calc/circle/friction_memo.h"
#include "calc/degree.h"
#include "calc/results/slip_result.h"
#include "calc/run_data.h"
#include "calc/slicing/cohesion.h"
#include "model/project_model.h"

namespace selvana {

thread_local constinit SliceTermsRecord SliceTerms;

namespace {

// The unit weights a block contributes with: its own, or for ground improved with sand piles
// (SandPile 1) the blend of pile and soil.
UnitWeights BlockUnitWeights(const BlockRecord& block) {
  if (block.SandPile != 1) return {block.UnitWeight, block.EffectiveUnitWeight};
  return SandPileUnitWeights(block);
}

// Sums of the strips of one slice: weights, the total weight's moment about y = 0, the base
// block's strip area A0 and the weight Wo of the other blocks as the sand-pile formulas count it.
struct StripSums {
  double W = 0.0, Wy = 0.0;
  double We = 0.0;
  double A0 = 0.0;
  double Wo = 0.0;
};

[[gnu::always_inline]] inline StripSums SumStrips(const FelleniusRunTerms& run, int base) {
  StripSums s;
  for (int k = 0; k < run.blocks; ++k) {
    const FelleniusRunTerms::Block& block = run.block[k];
    const BlockStrip& strip = RunData.BlockStrips[block.slot];
    const double a = strip.Area;
    s.W += a * block.total;
    s.Wy += strip.MidY * a * block.total;
    s.We += a * block.effective;
    if (block.slot == base) {
      s.A0 = a;
    } else {
      s.Wo += a * block.other;
    }
  }
  return s;
}

// The resisting moments of one slice: friction and cohesion.
struct Resistance {
  double mrf, mrc;
};

// The resisting terms on a base in ground improved with sand piles, by the chosen formula, for
// cohesion c on a base chord of length l. S is the seismic reduction before its factor t, which
// depends on the formula.
Resistance SandPileResistance(const BlockRecord& base, double R, double cosA, double reductionBase,
                              double A0, double Wo, double Q, double c, double l) {
  const double as = base.ReplacementRatio;
  const double n = base.StressRatio;
  const double ws = base.PileUnitWeight;
  const double mu = n / ((n - 1.0) * as + 1.0);
  const double tanPhiS = std::tan(base.PileFrictionAngle * kDegree);
  const double gammaBlend = ws * as + (1.0 - as) * base.EffectiveUnitWeight;
  const double cohesionMoment = (1.0 - as) * R * c * l;
  switch (cm.SandPileFormula) {
    case 0: {
      const double s = std::fabs(reductionBase * (as * tanPhiS));
      return {(ws * A0 + (Wo + Q) * mu) * R * as * tanPhiS * cosA - s, cohesionMoment};
    }
    case 2: {
      const double s = std::fabs(reductionBase * tanPhiS);
      return {(gammaBlend * A0 + Wo + Q) * R * tanPhiS * cosA - s, 0.0};
    }
    default: {
      const double s = std::fabs(reductionBase * (mu * as * tanPhiS));
      return {(gammaBlend * A0 + Wo + Q) * R * mu * as * tanPhiS * cosA - s,
              cm.SandPileFormula == 1 ? cohesionMoment : 0.0};
    }
  }
}

// The base values of t for a base chord in block base whose friction gives tanPhi (see
// SetSliceBaseTerms).
[[gnu::always_inline]] inline void SetBaseTerms(SliceTermsRecord& t, const BlockRecord& base,
                                                double tanPhi, double xR, double yR, double xL,
                                                double yL) {
  t.c = CohesionAtBase(base, xR, yR, xL, yL);
  t.tanPhi = tanPhi;
  t.l = std::sqrt((yR - yL) * (yR - yL) + (xR - xL) * (xR - xL));
  t.width = xR - xL;
}

double TanOfFriction(double degrees) { return std::tan(degrees * kDegree); }

// The terms of one slice (see SliceMomentsFellenius), inlined into both of its callers.
[[gnu::always_inline]] inline SliceTermsRecord FelleniusSlice(const FelleniusRunTerms& run,
                                                              double R, double cy, int b, double xR,
                                                              double yR, double xL, double yL) {
  SliceTermsRecord t;
  const BlockRecord& base = BlockTable[b];
  SetBaseTerms(t, base, run.tanPhi[b], xR, yR, xL, yL);

  const StripSums s = SumStrips(run, b);
  t.W = s.W;
  t.Wy = s.Wy;
  t.We = s.We;
  // The centroid is taken only from a weight that is not nearly zero; otherwise the sum stays.
  t.yg = std::fabs(s.W) > 1e-5 ? s.Wy / s.W : s.Wy;

  if (run.drivenByEffectiveWeight) t.W = s.We;
  t.kh = run.kh;

  t.alpha = std::atan2(yR - yL, xR - xL);
  const double sinA = std::sin(t.alpha);
  const double cosA = std::cos(t.alpha);
  t.Q = run.loaded.count > 0 ? SurchargeOnStretch(xR, xL, run.loaded) : 0.0;

  // Seismic reduction of friction, S = |Wk R kh sin α t|, with t chosen by the base below.
  const double wk = run.seismicWithSurcharge ? t.W + t.Q : t.W;
  const double reductionBase = wk * R * t.kh * sinA;
  if (base.SandPile == 1) {
    const Resistance r =
        SandPileResistance(base, R, cosA, reductionBase, s.A0, s.Wo, t.Q, t.c, t.l);
    t.mrf = r.mrf;
    t.mrc = r.mrc;
  } else {
    const double reduction = std::fabs(reductionBase * t.tanPhi);
    t.mrf = (t.We + t.Q) * R * cosA * t.tanPhi - reduction;
    t.mrc = R * t.c * t.l;
  }

  t.mdw = (t.W + t.Q) * R * sinA;
  t.mdk = (cy - t.yg) * t.kh * t.W;
  t.mdh = 0.0;
  return t;
}

}  // namespace

UnitWeights SandPileUnitWeights(const BlockRecord& block) {
  const double as = block.ReplacementRatio;
  const double ws = block.PileUnitWeight;
  return {(block.UnitWeight - block.EffectiveUnitWeight + ws) * as + (1.0 - as) * block.UnitWeight,
          ws * as + (1.0 - as) * block.EffectiveUnitWeight};
}

void SetSliceBaseTerms(const BlockRecord& base, double xR, double yR, double xL, double yL) {
  // Neighbouring slices nearly always sit on the same block: the tangent is kept for the next.
  thread_local FrictionTanMemo baseFrictionTan;
  SetBaseTerms(SliceTerms, base, baseFrictionTan.Of(base.FrictionAngle, TanOfFriction), xR, yR, xL,
               yL);
}

FelleniusRunTerms FindFelleniusRunTerms() {
  FelleniusRunTerms run;
  run.loaded = FindLoadedSurcharges();
  run.kh = cm.DrivingForceMode == 0 ? cm.SeismicCoefficient : 0.0;
  run.drivenByEffectiveWeight = cm.DrivingForceMode == 1;
  run.seismicWithSurcharge = cm.SeismicIncludesSurcharge == 1;
  for (int i = 0; i < kMaxBlocks; ++i) {
    const BlockRecord& block = BlockTable[i];
    run.tanPhi[i] = TanOfFriction(block.FrictionAngle);
    if (i >= BlockCount || block.Number < 0) continue;
    const UnitWeights g = BlockUnitWeights(block);
    const double other = block.SandPile == 1 ? block.PileUnitWeight : block.EffectiveUnitWeight;
    run.block[run.blocks++] = {i, g.total, g.effective, other};
  }
  return run;
}

int SliceMomentsFellenius(double R, double cx, double cy, int b, double xR, double yR, double xL,
                          double yL) {
  return SliceMomentsFellenius(FindFelleniusRunTerms(), R, cx, cy, b, xR, yR, xL, yL);
}

int SliceMomentsFellenius(const FelleniusRunTerms& run, double R,
                          double /*cx: moments need only the centre height*/, double cy, int b,
                          double xR, double yR, double xL, double yL) {
  SliceTerms = FelleniusSlice(run, R, cy, b, xR, yR, xL, yL);
  return 0;
}

void AddSliceMomentsFellenius(const FelleniusRunTerms& run, double R, double cy, int b, double xR,
                              double yR, double xL, double yL, SlipResult& r) {
  AddSliceTerms(r, FelleniusSlice(run, R, cy, b, xR, yR, xL, yL));
}

}  // namespace selvana
