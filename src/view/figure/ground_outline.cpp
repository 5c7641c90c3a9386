// Tracing ground outlines safely and reading heights off their edges.
#include "view/figure/ground_outline.h"

#include <algorithm>
#include <cmath>

#include "model/line_records.h"

namespace selvana {

bool IsGroundBlock(int i) {
  if (i < 0 || i >= kMaxBlocks || BlockTable[i].Number < 0) return false;
  const int kind = BlockTable[i].Kind;
  return kind != kBlockPressureWater && kind != kBlockWeightWater;
}

int TraceGroundOutline(int i) {
  const int n = TraceBlockRegion(BlockTable[i].SeedX, BlockTable[i].SeedY);
  const auto& points = BlockOutline.Points;
  if (n < 4 || n > static_cast<int>(points.size()) || points[0] != points[n - 1]) return 0;
  for (int k = 0; k < n; ++k) {
    const int p = points[k];
    if (p < 0 || p >= kMaxPoints || PointTable[p].Id < 0) return 0;
  }
  return n;
}

bool EdgeSpans(const PointRecord& a, const PointRecord& b, double x) {
  return std::min(a.X, b.X) <= x && x <= std::max(a.X, b.X);
}

double EdgeYAt(const PointRecord& a, const PointRecord& b, double x, bool higher) {
  const double dx = b.X - a.X;
  if (std::fabs(dx) <= 0.0001) return higher ? std::max(a.Y, b.Y) : std::min(a.Y, b.Y);
  return a.Y + (x - a.X) * (b.Y - a.Y) / dx;
}

}  // namespace selvana
