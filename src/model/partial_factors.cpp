// The steps of the partial-factor application, shared by the three method families, which
// differ only in which steps they run and on which unit weight the soil factor acts.
#include "model/partial_factors.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "model/design_copy.h"
#include "model/project_model.h"

namespace selvana {
namespace {

// Which unit weight the weight factor multiplies; the difference between the two stays fixed.
enum class WeightBasis { Total, Effective };

const auto& F = PartialFactors.Factor;

void FactorHorizontalForces() {
  for (int i = 0; i < kForceCount; ++i) cm.HorizontalForces.H[i] *= F[kFactorForce1 + i];
}

void FactorSurchargeIntensities() {
  auto& s = cm.Surcharges;
  for (int i = 0; i < kSurchargeCount; ++i) {
    s.LoadAtXMin[i] *= F[kFactorSurcharge1 + i];
    s.LoadAtXMax[i] *= F[kFactorSurcharge1 + i];
  }
}

// Each load widens away from the pass point; load 1 drags an enabled pass point along, and the
// later loads are tested against the pass point as load 1 left it.
void FactorSurchargeWidths(CircleSearchSettings& circle) {
  auto& s = cm.Surcharges;
  for (int i = 0; i < kSurchargeCount; ++i) {
    const double w = s.XMax[i] - s.XMin[i];
    const double e = w * F[kFactorSurchargeWidth1 + i] - w;
    const bool movesPassPoint = i == 0 && circle.PassPointOn == 1;
    if ((s.XMin[i] + s.XMax[i]) * 0.5 <= circle.PassPointX) {
      s.XMax[i] += e;
      if (movesPassPoint) circle.PassPointX += e;
    } else {
      s.XMin[i] -= e;
      if (movesPassPoint) circle.PassPointX -= e;
    }
  }
}

void FactorSheetPile() {
  auto& p = SheetPileSettings;
  p.AllowableShear *= F[kFactorPileShear];
  const int rows = std::clamp(p.RowCount, 0, kMaxPileRows);
  for (int r = 0; r < rows; ++r) p.Intensity[r] *= F[kFactorPilePressure];
}

// The weight factor of a soil block by its class, of any other non-water kind as a structure.
double WeightFactor(const BlockRecord& b) {
  if (b.Kind != kBlockSoil) return F[kFactorStructureWeight];
  if (b.FactorClass == 1) return F[kFactorSoilClass1];
  if (b.FactorClass == 2) return F[kFactorSoilClass2];
  return F[kFactorSoilOther];
}

// Water blocks keep their unit weights.
void FactorUnitWeights(BlockRecord& b, WeightBasis basis) {
  if (b.Kind == kBlockPressureWater || b.Kind == kBlockWeightWater) return;
  const double f = WeightFactor(b);
  const double d = b.UnitWeight - b.EffectiveUnitWeight;
  if (basis == WeightBasis::Total) {
    b.UnitWeight = b.UnitWeight * f;
    b.EffectiveUnitWeight = (b.EffectiveUnitWeight + d) * f - d;
  } else {
    b.EffectiveUnitWeight = b.EffectiveUnitWeight * f;
    b.UnitWeight = (b.UnitWeight - d) * f + d;
  }
}

// Every row below BlockCount, free rows included.
void FactorBlocks(WeightBasis basis) {
  constexpr double pi = std::numbers::pi;
  const int count = UsedBlockSlots();
  for (int i = 0; i < count; ++i) {
    BlockRecord& b = BlockTable[i];
    b.CohesionGradient *= F[kFactorCohesion];
    b.Cohesion *= F[kFactorCohesion];
    b.FrictionAngle =
        std::atan(F[kFactorFriction] * std::tan(b.FrictionAngle * pi / 180.0)) * 180.0 / pi;
    FactorUnitWeights(b, basis);
    b.SandPile = 0;  // no sand-pile formulas in a design copy
  }
}

// A point slot below PointCount, whether or not it holds a point.
bool IsSlotBelowPointCount(int p) { return p >= 0 && p < std::clamp(PointCount, 0, kMaxPoints); }

// A block box built from the user's outline misses a residual-water point that the factor
// moved: widen every used block whose box held the point so it also holds the moved point.
void WidenBlockBoxesOver(int p) {
  constexpr double tol = 1e-5;
  const PointRecord& user = ModelSnapshot.PointTable[p];
  const double y = PointTable[p].Y;
  const int count = UsedBlockSlots();
  for (int i = 0; i < count; ++i) {
    BlockRecord& b = BlockTable[i];
    const auto& box = ModelSnapshot.BlockTable[i].BBox;  // max X, min X, max Y, min Y
    if (b.Number < 0) continue;
    if (user.X > box[0] + tol || user.X < box[1] - tol) continue;
    if (user.Y > box[2] + tol || user.Y < box[3] - tol) continue;
    b.BBox[2] = std::max(b.BBox[2], y);
    b.BBox[3] = std::min(b.BBox[3], y);
  }
}

// The new Y comes from the snapshot, so a point shared by several lines is scaled once.
void FactorResidualWater() {
  const int lines = std::clamp(LineCount, 0, kMaxLines);
  for (int i = 0; i < lines; ++i) {
    const LineRecord& l = LineTable[i];
    if (l.Kind != kLineResidualWater) continue;
    for (int p : {l.P1, l.P2}) {
      if (!IsSlotBelowPointCount(p)) continue;
      PointTable[p].Y = ModelSnapshot.PointTable[p].Y * F[kFactorResidualWater];
    }
  }
  for (int i = 0; i < lines; ++i) {
    const LineRecord& l = LineTable[i];
    if (l.Kind != kLineResidualWater) continue;
    for (int p : {l.P1, l.P2}) {
      if (IsSlotBelowPointCount(p)) WidenBlockBoxesOver(p);
    }
  }
}

void NeutraliseLiveFactors() {
  PartialFactors.Enabled = 0;
  PartialFactors.Factor.fill(1.0);
}

bool Applies(int codeA, int codeB) {
  return (cm.kt == codeA || cm.kt == codeB) && PartialFactors.Enabled != 0;
}

}  // namespace

int ApplyPartialFactorsFellenius() {
  if (!Applies(kMethodFellenius, kMethodTschebotarioff)) return 1;
  FactorHorizontalForces();
  FactorSurchargeIntensities();
  FactorSurchargeWidths(FelleniusCircleSettings);
  FactorSheetPile();
  FactorBlocks(WeightBasis::Total);
  FactorResidualWater();
  NeutraliseLiveFactors();
  return 0;
}

int ApplyPartialFactorsBishop() {
  if (!Applies(kMethodBishop, kMethodModifiedBishop)) return 1;
  FactorHorizontalForces();
  FactorSurchargeIntensities();
  FactorSurchargeWidths(BishopCircleSettings);
  FactorBlocks(WeightBasis::Effective);
  FactorResidualWater();
  NeutraliseLiveFactors();
  return 0;
}

int ApplyPartialFactorsStraight() {
  if (!Applies(kMethodLineFromPoint, kMethodLineBetweenSegments)) return 1;
  FactorHorizontalForces();
  FactorSurchargeIntensities();
  FactorBlocks(WeightBasis::Total);
  FactorResidualWater();
  NeutraliseLiveFactors();
  return 0;
}

int ApplyPartialFactors() {
  switch (cm.kt) {
    case kMethodFellenius:
    case kMethodTschebotarioff: ApplyPartialFactorsFellenius(); break;
    case kMethodBishop:
    case kMethodModifiedBishop: ApplyPartialFactorsBishop(); break;
    case kMethodLineFromPoint:
    case kMethodLineBetweenSegments: ApplyPartialFactorsStraight(); break;
    default: break;
  }
  return 0;
}

}  // namespace selvana
