// Appending and sorting the crossings of a trial slip surface with the ground.
#include "calc/slicing/hits.h"

#include <utility>

namespace selvana {

namespace {

constexpr double kSameX = 1e-5;  // hits closer than this in X are ordered by Y
constexpr double kYSlack = 1e-6;

// Whether hits i and j (i before j) must change places.
bool HitsOutOfOrder(int i, int j, double tieX) {
  const auto& x = RunData.SurfaceHits.X;
  const auto& y = RunData.SurfaceHits.Y;
  if (std::fabs(x[i] - x[j]) >= kSameX) return x[i] < x[j];
  if (x[i] > tieX) return y[i] < y[j] - kYSlack;
  if (x[i] < tieX) return y[i] > y[j] + kYSlack;
  return false;
}

void SwapHits(int i, int j) {
  auto& h = RunData.SurfaceHits;
  std::swap(h.Block[i], h.Block[j]);
  std::swap(h.P1[i], h.P1[j]);
  std::swap(h.P2[i], h.P2[j]);
  std::swap(h.X[i], h.X[j]);
  std::swap(h.Y[i], h.Y[j]);
}

}  // namespace

void ClearSurfaceHits() { RunData.SurfaceHits.Count = 0; }

bool AppendSurfaceHit(double x, double y, int p1, int p2) {
  auto& h = RunData.SurfaceHits;
  if (h.Count >= kMaxSurfaceHits) return false;
  h.Block[h.Count] = -1;
  h.P1[h.Count] = p1;
  h.P2[h.Count] = p2;
  h.X[h.Count] = x;
  h.Y[h.Count] = y;
  ++h.Count;
  return true;
}

void SortSurfaceHits(double tieX, CombGapRule rule) {
  const auto outOfOrder = [tieX](int i, int j) { return HitsOutOfOrder(i, j, tieX); };
  CombSort(RunData.SurfaceHits.Count, outOfOrder, SwapHits, rule);
}

}  // namespace selvana
