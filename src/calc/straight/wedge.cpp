// Straight wedge mechanics: strips above the line, slice forces with sand piles, surcharges,
// seismic and horizontal forces, and the wedge totals with the end water thrust.
#include "calc/straight/wedge.h"

#include <algorithm>
#include <cmath>

#include "calc/circle/fellenius_slice.h"
#include "calc/degree.h"
#include "calc/results/safety_factor.h"
#include "calc/results/slip_result.h"
#include "calc/run_data.h"
#include "calc/slicing/polygons.h"
#include "calc/slicing/strips.h"
#include "calc/slicing/surcharges.h"
#include "model/project_model.h"

namespace selvana {
namespace {

// The unit weights block j contributes with: total, effective, and the weight per area its strip
// counts with when it is not the base block (the sand-pile formulas' "other" weight).
struct LineUnitWeights {
  double total;
  double effective;
  double other;
};

LineUnitWeights UnitWeightsOf(const BlockRecord& block) {
  if (block.SandPile == 0) {
    return {block.UnitWeight, block.EffectiveUnitWeight, block.EffectiveUnitWeight};
  }
  const UnitWeights g = SandPileUnitWeights(block);
  return {g.total, g.effective, block.PileUnitWeight};
}

struct StripWeights {
  double W = 0.0;   // total
  double We = 0.0;  // effective
  double A0 = 0.0;  // strip area of the base block
  double Wo = 0.0;  // other blocks, by their "other" weight
};

StripWeights SumStripWeights(int base) {
  StripWeights s;
  for (int j = 0; j < BlockCount; ++j) {
    const BlockRecord& block = BlockTable[j];
    if (block.Number < 0) continue;
    const double a = RunData.BlockStrips[j].Area;
    const LineUnitWeights g = UnitWeightsOf(block);
    s.W += a * g.total;
    s.We += a * g.effective;
    if (j == base) {
      s.A0 = a;
    } else {
      s.Wo += a * g.other;
    }
  }
  return s;
}

// Friction and cohesion resistance on a base in ground improved with sand piles. cl is c x l,
// ca = |cos α|, S the seismic loss of friction already computed with tan φs.
void SandPileResistance(const BlockRecord& base, const StripWeights& s, double Q, double tp,
                        double ca, double S, double cl, SliceTermsRecord& t) {
  const double as = base.ReplacementRatio;
  const double n = base.StressRatio;
  const double ws = base.PileUnitWeight;
  const double mu = n / ((n - 1.0) * as + 1.0);
  const double gammaM = ws * as + (1.0 - as) * base.EffectiveUnitWeight;
  switch (cm.SandPileFormula) {
    case 0:
      t.mrf = (ws * s.A0 + (s.Wo + Q) * mu) * as * tp * ca - S;
      t.mrc = (1.0 - as) * cl;
      return;
    case 1:
      t.mrf = (gammaM * s.A0 + s.Wo + Q) * mu * as * tp * ca - S;
      t.mrc = (1.0 - as) * cl;
      return;
    case 2:
      t.mrf = (gammaM * s.A0 + s.Wo + Q) * tp * ca - S;
      t.mrc = 0.0;
      return;
    default:
      t.mrf = (gammaM * s.A0 + s.Wo + Q) * mu * as * tp * ca - S;
      t.mrc = 0.0;
      return;
  }
}

// Horizontal force h acting on the slice: drives along the line and takes its normal share off
// the friction.
void AddHorizontalForce(double h, double ca, double sa, SliceTermsRecord& t) {
  t.mdh += h * ca;
  t.mrf -= h * sa * t.tanPhi;
}

void AddHorizontalForces(double x, double xl, double ca, double sa, SliceTermsRecord& t) {
  const auto& H = cm.HorizontalForces.H;
  t.mdh = 0.0;
  const double forceX = StraightSlipSettings.ForceX + 1e-7;
  if (xl < forceX && forceX <= x) {
    AddHorizontalForce(H[0], ca, sa, t);
    AddHorizontalForce(H[1], ca, sa, t);
  }
  // The first slice of a wedge is the one computed before the wedge has a right end.
  if (CurrentSlipResult.sx < -999999.0) AddHorizontalForce(H[2], ca, sa, t);
}

// Water thrust 0.5 γw h² of the water blocks on the vertical end face at x above the base y.
double EndFaceWaterThrust(double x, double y) {
  double thrust = 0.0;
  for (int j = 0; j < BlockCount; ++j) {
    const BlockRecord& block = BlockTable[j];
    if (block.Number < 0) continue;
    if (block.Kind != kBlockPressureWater && block.Kind != kBlockWeightWater) continue;
    double top = 0.0, bottom = 0.0;
    EndFaceExtentAtX(j, x, top, bottom);
    bottom = std::max(bottom, y);
    if (bottom < top) thrust += 0.5 * block.UnitWeight * (top - bottom) * (top - bottom);
  }
  return thrust;
}

}  // namespace

double SlipLineYAt(double x, double x0, double y0) {
  const LineDirectionRecord& d = RunData.LineDirectionFactor;
  if (d.Cos < 1e-5) return y0;
  return y0 + (x - x0) / d.Cos * d.Sin;
}

int BlockStripAboveLine(int j, double w, double xm, double ym, double x0, double y0, double alpha) {
  (void)ym;
  (void)alpha;
  if (j < 0 || j >= kMaxBlocks) return -1;
  double top = 0.0, bottom = 0.0;
  StripAboveBase(j, w, xm, SlipLineYAt(xm, x0, y0), top, bottom);
  return 0;
}

int SliceForcesStraightLine(double alpha, double x0, double y0, int b, double x, double y,
                            double xl, double yl) {
  (void)alpha;
  (void)x0;
  (void)y0;
  SliceTermsRecord& t = SliceTerms;
  const BlockRecord& base = BlockTable[b];
  const double ca = std::fabs(RunData.LineDirectionFactor.Cos);
  const double sa = std::fabs(RunData.LineDirectionFactor.Sin);

  SetSliceBaseTerms(base, x, y, xl, yl);

  const StripWeights s = SumStripWeights(b);
  t.We = s.We;
  t.W = cm.DrivingForceMode == 1 ? s.We : s.W;
  t.kh = cm.DrivingForceMode == 0 ? cm.SeismicCoefficient : 0.0;
  t.Q = SurchargeOnStretch(x, xl);

  const bool sandPile = base.SandPile != 0;
  const double tp = sandPile ? std::tan(base.PileFrictionAngle * kDegree) : t.tanPhi;
  const double shaken = cm.SeismicIncludesSurcharge == 1 ? t.W + t.Q : t.W;
  const double S = std::fabs(shaken * t.kh * sa * tp);
  if (sandPile) {
    SandPileResistance(base, s, t.Q, tp, ca, S, t.c * t.l, t);
  } else {
    t.mrf = (t.We + t.Q) * ca * t.tanPhi - S;
    t.mrc = t.c * t.l;
  }
  t.mdw = (t.W + t.Q) * sa;
  AddHorizontalForces(x, xl, ca, sa, t);
  t.mdk = t.kh * t.W * ca;
  return 0;
}

int LineTotals() {
  SlipResult& r = CurrentSlipResult;
  if (cm.DrivingForceMode != 1) {
    // The wedge slides down its line: water on the face at the upper end of the base pushes it
    // on, water on the face at the toe holds it back. A level line has no weight drive, so
    // either reading gives the same magnitude below.
    const double pr = EndFaceWaterThrust(r.sx, r.sy);
    const double pl = EndFaceWaterThrust(r.ex, r.ey);
    r.mdw += r.sy > r.ey ? pr - pl : pl - pr;
  }
  SlopeDirection = RunData.LineDirectionFactor.Factor >= 0.0 ? 1 : -1;
  r.mdw = std::fabs(r.mdw);
  r.mr = r.mrf + r.mrc;
  r.md = r.mdw + r.mdh + r.mdk;
  if (SurfaceJudged()) {
    r.f = SafetyFactorOf(r.mr, r.md, NoFactorRule::kDrivingTotal);
  }
  return 0;
}

}  // namespace selvana
