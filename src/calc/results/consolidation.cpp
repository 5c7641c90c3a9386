// Consolidation of a run's result tables: the critical surface (first of the lowest safety
// factor), the sheet-pile term added to it for methods 0 and 1, and one circle per centre.
#include "calc/results/consolidation.h"

#include <algorithm>
#include <cmath>

#include "calc/circle/fellenius_sheet_pile.h"
#include "calc/results/safety_factor.h"
#include "model/partial_factors.h"
#include "model/project_model.h"

namespace selvana {

SlipResult CriticalResult{};
double Fmin = kNoSafetyFactor;
std::array<CircleListEntry, kMaxCircleListEntries> CircleList{};
int CircleListCount = 0;

namespace {

CircleListEntry EntryFor(const SlipResult& r, int order) {
  CircleListEntry e{};
  e.F = r.f;
  e.CentreX = r.cx;
  e.CentreY = r.cy;
  e.LabelX = r.LabelX;
  e.LabelY = r.LabelY;
  e.sx = r.sx, e.sy = r.sy, e.ex = r.ex, e.ey = r.ey;
  e.csx = r.csx, e.csy = r.csy, e.cex = r.cex, e.cey = r.cey;
  e.rr = r.rr;
  e.LabelFlag = DrawSettings.DrawOrder[order - 1] == 1 ? 1 : -1;
  e.Order = order;
  e.DrawMark = 0;
  return e;
}

// Offers a record to the list: an entry with the same centre (within 1e-7) is replaced when the
// record is lower by more than 1e-7; a record of a new centre is appended while there is room.
void OfferToCircleList(const SlipResult& r, int order, int& count) {
  const CircleListEntry candidate = EntryFor(r, order);
  bool matched = false;
  for (int i = 0; i < count; ++i) {
    CircleListEntry& e = CircleList[i];
    if (!(std::fabs(e.CentreX - candidate.CentreX) < 1e-7 &&
          std::fabs(e.CentreY - candidate.CentreY) < 1e-7)) {
      continue;
    }
    matched = true;
    if (candidate.F + 1e-7 < e.F) e = candidate;
  }
  if (!matched && count < kMaxCircleListEntries) CircleList[count++] = candidate;
}

// Methods 0 and 1, the only ones with a sheet-pile term and the marks of their safety factor.
bool FelleniusFamily() { return cm.kt == kMethodFellenius || cm.kt == kMethodTschebotarioff; }

// The pile's moment on the critical circle, with the user's pile factor (the consolidation runs
// on the user's model, not the design copy).
double CriticalPileMoment(const SlipResult& r) {
  if (!FelleniusFamily()) return 0.0;
  const int mode = SheetPileSettings.Mode;
  if (mode != 2 && mode != 3) return 0.0;
  double mry = SheetPileMoment(r.cx, r.cy, r.rr);
  if (PartialFactors.Enabled == 1) {
    mry *= PartialFactors.Factor[mode == 3 ? kFactorPileShear : kFactorPilePressure];
  }
  return mry;
}

// The safety factor of the critical surface: methods 0 and 1 mark as their totals do; the
// other methods mark only what drives nothing (see NoFactorRule).
double CriticalSafetyFactor(double mr, double md) {
  if (FelleniusFamily()) return SafetyFactorOf(mr, md, NoFactorRule::kFellenius);
  return SafetyFactorOf(mr, md, NoFactorRule::kDrivingTotal);
}

}  // namespace

int ConsolidateResults() {
  if (CalcStatus != 1) return 0;
  int count = 0;
  bool haveCritical = false;
  for (int order = 1; order <= kSlipResultOrders; ++order) {
    const int stored = std::min(SlipResultCount[order - 1], kMaxSlipResults);
    for (int i = 0; i < stored; ++i) {
      const SlipResult& r = SlipResultTable[order - 1][i];
      // The first record met starts the search for the lowest; later ones win only when lower.
      if (!haveCritical || r.f < CriticalResult.f) {
        CriticalResult = r;
        haveCritical = true;
      }
      OfferToCircleList(r, order, count);
    }
  }
  CircleListCount = count;
  if (!haveCritical) return count;
  SlipResult& c = CriticalResult;
  c.mry = CriticalPileMoment(c);
  c.mr = c.mrf + c.mrc + c.mry;
  c.md = c.mdw + c.mdh + c.mdk;
  // A critical surface that carries the mark (every stored one does; MaxSafetyFactor let them
  // in) keeps it: its partial moments come from a surface without a valid factor.
  c.f = CarriesNoFactorMark(c.f) ? kNoSafetyFactor : CriticalSafetyFactor(c.mr, c.md);
  Fmin = c.f;
  return count;
}

namespace {

bool HasFiniteMoments(const SlipResult& r) {
  for (const double v : {r.mrf, r.mrc, r.mry, r.mr, r.mdw, r.mdh, r.mdk, r.md, r.f}) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

}  // namespace

bool ResultsOverflowed() {
  for (int order = 0; order < kSlipResultOrders; ++order) {
    const int stored = std::min(SlipResultCount[order], kMaxSlipResults);
    for (int i = 0; i < stored; ++i) {
      if (!HasFiniteMoments(SlipResultTable[order][i])) return true;
    }
  }
  return !HasFiniteMoments(CriticalResult);
}

void ResetConsolidation() {
  CriticalResult = SlipResult{};
  Fmin = kNoSafetyFactor;
  CircleListCount = 0;
}

}  // namespace selvana
