// Bishop slice terms of the simplified (method 2) and the modified (method 4) formula, and the
// in-memory list of one slip surface's slices that the iteration of the totals reads.
#include "calc/circle/bishop_slices.h"

#include <cmath>
#include <numbers>

#include "calc/circle/fellenius_slice.h"
#include "calc/results/slip_result.h"
#include "calc/run_data.h"
#include "calc/slicing/cohesion.h"
#include "model/project_model.h"

namespace selvana {

thread_local BishopSliceList BishopSlices;

void BishopSliceList::SetRoom(std::size_t capacity) {
  if (records_.size() != capacity) {
    records_.assign(capacity, BishopSliceRecord{});
    records_.shrink_to_fit();
  }
  Clear();
}

std::size_t BishopSliceRoom() {
  double lo = HUGE_VAL, hi = -HUGE_VAL;
  for (int i = 0; i < LineCount; ++i) {
    const LineRecord& line = LineTable[i];
    if (line.Kind != kLineBoundary) continue;
    for (const int p : {line.P1, line.P2}) {
      if (p < 0 || p >= kMaxPoints) continue;
      lo = std::fmin(lo, PointTable[p].X);
      hi = std::fmax(hi, PointTable[p].X);
    }
  }
  // One extra slice per interval, with a margin for rounding.
  constexpr double kIntervals = kMaxSliceBreaks + kMaxSurfaceHits + 16;
  const double span = hi > lo ? hi - lo : 0.0;
  const double room = std::ceil(span / cm.SliceWidth) + kIntervals;
  // Also catches a NaN or infinite room from broken coordinates or slice width.
  if (!(room < static_cast<double>(kMaxBishopSlices))) return kMaxBishopSlices;
  return static_cast<std::size_t>(room);
}

int ResetCircleRecordBishop(int order0, double cx, double cy, double R) {
  ResetCircleRecord(order0, cx, cy, R);
  BishopSlices.Clear();
  return 0;
}

namespace {

// The weights of one slice from its block strips: total W, effective W', and the height of the
// centre of gravity of W (the sum itself when W is nearly zero).
struct BishopSliceWeights {
  double total = 0.0;
  double effective = 0.0;
  double yg = 0.0;
};

[[gnu::always_inline]] inline BishopSliceWeights WeighSlice(const BishopRunTerms& run) {
  BishopSliceWeights w;
  for (int k = 0; k < run.blocks; ++k) {
    const BishopRunTerms::Block& block = run.block[k];
    const BlockStrip& strip = RunData.BlockStrips[block.slot];
    w.total += strip.Area * block.total;
    w.effective += strip.Area * block.effective;
    w.yg += strip.MidY * strip.Area * block.total;
  }
  if (std::fabs(w.total) > 1e-5) w.yg = w.yg / w.total;
  return w;
}

// Method 2: m(F) = cos α + |sin α tan φ| / F.
BishopSliceRecord SimplifiedTerms(double c, double b, double load, double tanPhi, double alpha,
                                  double sinAlpha, double R) {
  BishopSliceRecord s;
  s.Numerator = (c * b + load * tanPhi) * R;
  s.CosTerm = std::cos(alpha);
  s.TanTerm = std::fabs(sinAlpha * tanPhi);
  s.CohesionNumerator = c * b * R;
  s.FrictionNumerator = load * tanPhi * R;
  return s;
}

// Method 4, the modified formula: with β = 2/7 of α and d = 1 + tan α tan β, the cohesion
// term and cos α are scaled by d and sin α becomes (tan α - tan β) cos α.
BishopSliceRecord ModifiedTerms(double c, double b, double load, double tanPhi, double alpha,
                                double R) {
  const double beta = alpha * 0.2857142857142857;
  const double tanAlpha = std::tan(alpha);
  const double tanBeta = std::tan(beta);
  const double d = 1.0 + tanAlpha * tanBeta;
  const double cosAlpha = std::cos(alpha);
  BishopSliceRecord s;
  s.Numerator = (d * c * b + load * tanPhi) * R;
  s.CosTerm = d * cosAlpha;
  s.TanTerm = std::fabs((tanAlpha - tanBeta) * cosAlpha * tanPhi);
  s.CohesionNumerator = d * c * b * R;
  s.FrictionNumerator = load * tanPhi * R;
  return s;
}

double TanOfFriction(double degrees) { return std::tan(degrees * std::numbers::pi / 180.0); }

// The driving terms of one slice: weight (and surcharge), horizontal force (0) and seismic.
struct DrivingTerms {
  double mdw, mdh, mdk;
};

// Appends the record of one slice and returns its driving terms (see SliceTermsBishop);
// inlined into both of its callers.
[[gnu::always_inline]] inline DrivingTerms BishopSlice(const BishopRunTerms& run, double R,
                                                       double cy, int block, double xRight,
                                                       double yRight, double xLeft, double yLeft) {
  const BlockRecord& base = BlockTable[block];
  const double c = CohesionAtBase(base, xRight, yRight, xLeft, yLeft);
  const double tanPhi = run.tanPhi[block];
  const double b = xRight - xLeft;
  const double alpha = std::atan2(yRight - yLeft, xRight - xLeft);
  const double sinAlpha = std::sin(alpha);

  const BishopSliceWeights w = WeighSlice(run);
  const double Q = run.loaded.count > 0 ? SurchargeOnStretch(xRight, xLeft, run.loaded) : 0.0;
  const double load = w.effective + Q;  // what presses the base: W' + Q
  BishopSlices.Append(run.modified ? ModifiedTerms(c, b, load, tanPhi, alpha, R)
                                   : SimplifiedTerms(c, b, load, tanPhi, alpha, sinAlpha, R));

  // Driving-force mode 1 drives with W'; the seismic force keeps the coefficient and the
  // centre of gravity of the total weight.
  const double W = run.drivenByEffectiveWeight ? w.effective : w.total;
  return {(W + Q) * R * sinAlpha, 0.0, run.kh * W * (cy - w.yg)};
}

}  // namespace

BishopRunTerms FindBishopRunTerms() {
  BishopRunTerms run;
  run.modified = cm.kt == kMethodModifiedBishop;
  run.drivenByEffectiveWeight = cm.DrivingForceMode == 1;
  run.kh = cm.SeismicCoefficient;
  run.loaded = FindLoadedSurcharges();
  for (int i = 0; i < kMaxBlocks; ++i) {
    const BlockRecord& block = BlockTable[i];
    run.tanPhi[i] = TanOfFriction(block.FrictionAngle);
    if (i >= BlockCount || block.Number < 0) continue;
    run.block[run.blocks++] = {i, block.UnitWeight, block.EffectiveUnitWeight};
  }
  return run;
}

int SliceTermsBishop(double R, double cx, double cy, int block, double xRight, double yRight,
                     double xLeft, double yLeft) {
  return SliceTermsBishop(FindBishopRunTerms(), R, cx, cy, block, xRight, yRight, xLeft, yLeft);
}

int SliceTermsBishop(const BishopRunTerms& run, double R, double /*cx*/, double cy, int block,
                     double xRight, double yRight, double xLeft, double yLeft) {
  const DrivingTerms d = BishopSlice(run, R, cy, block, xRight, yRight, xLeft, yLeft);
  SliceTerms.mdw = d.mdw;
  SliceTerms.mdh = d.mdh;
  SliceTerms.mdk = d.mdk;
  return 0;
}

void AddSliceBishop(const BishopRunTerms& run, double R, double cy, int block, double xRight,
                    double yRight, double xLeft, double yLeft, SlipResult& r) {
  const DrivingTerms d = BishopSlice(run, R, cy, block, xRight, yRight, xLeft, yLeft);
  r.mdw += d.mdw;
  r.mdh += d.mdh;
  r.mdk += d.mdk;
}

}  // namespace selvana
