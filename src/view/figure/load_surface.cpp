// The ground surface under a surcharge: the outer boundary of the union of soil and structure
// blocks, cut between the two ends of the load.
#include <algorithm>
#include <cmath>
#include <vector>

#include "model/line_records.h"
#include "model/project_model.h"
#include "view/figure/ground_outline.h"
#include "view/figure/load_layout.h"

namespace selvana {

std::array<LoadSurface, 3> LoadSurfaces;

namespace {

constexpr double kSameX = 0.0001;

struct Edge {
  int a, b;  // point slots
};

// Adds an outline edge, or removes its reverse when a neighbouring block already gave it: what
// stays is the boundary of the union.
void AddOrCancel(std::vector<Edge>& edges, Edge e) {
  const auto reverse = std::find_if(edges.begin(), edges.end(),
                                    [&](const Edge& o) { return o.a == e.b && o.b == e.a; });
  if (reverse != edges.end()) {
    edges.erase(reverse);
  } else {
    edges.push_back(e);
  }
}

// Reorders the edges so that each starts where the previous one ends, where such an edge exists.
std::vector<Edge> Chain(const std::vector<Edge>& edges) {
  std::vector<Edge> chained;
  std::vector<bool> taken(edges.size(), false);
  chained.reserve(edges.size());
  while (chained.size() < edges.size()) {
    std::size_t next = edges.size();
    for (std::size_t k = 0; k < edges.size() && !chained.empty(); ++k) {
      if (!taken[k] && edges[k].a == chained.back().b) next = k;
      if (next != edges.size()) break;
    }
    if (next == edges.size()) next = std::find(taken.begin(), taken.end(), false) - taken.begin();
    taken[next] = true;
    chained.push_back(edges[next]);
  }
  return chained;
}

std::vector<Edge> GroundBoundary() {
  std::vector<Edge> edges;
  for (int i = 0; i < BlockCount && i < kMaxBlocks; ++i) {
    if (!IsGroundBlock(i)) continue;
    const int n = TraceGroundOutline(i);
    for (int k = 0; k + 1 < n; ++k) {
      AddOrCancel(edges, {BlockOutline.Points[k], BlockOutline.Points[k + 1]});
    }
  }
  return Chain(edges);
}

// The edge with the highest ground at x (the first found on a tie), or -1.
int TopEdgeAt(const std::vector<Edge>& edges, double x, double& y) {
  int found = -1;
  for (int k = 0; k < static_cast<int>(edges.size()); ++k) {
    const PointRecord& a = PointTable[edges[k].a];
    const PointRecord& b = PointTable[edges[k].b];
    if (!EdgeSpans(a, b, x)) continue;
    const double ey = EdgeYAt(a, b, x, false);
    if (found < 0 || ey > y) found = k, y = ey;
  }
  return found;
}

void Append(LoadSurface& s, double x, double y) {
  if (s.Count >= kMaxSurfacePoints) return;
  s.X[s.Count] = x;
  s.Y[s.Count] = y;
  ++s.Count;
}

bool Near(const LoadSurface& s, int p, int q) { return std::fabs(s.X[p] - s.X[q]) <= kSameX; }

// Drops the first or last point on the same x as its neighbour and the middles of vertical runs,
// until nothing changes.
void CleanUp(LoadSurface& s) {
  for (bool changed = true; changed && s.Count > 2;) {
    changed = false;
    int kept = 0;
    const LoadSurface old = s;
    for (int p = 0; p < old.Count; ++p) {
      const bool first = p == 0 && Near(old, 0, 1);
      const bool last = p == old.Count - 1 && Near(old, p, p - 1);
      const bool inner = p > 0 && p < old.Count - 1 && Near(old, p, p - 1) && Near(old, p, p + 1);
      if (first || last || inner) {
        changed = true;
        continue;
      }
      s.X[kept] = old.X[p];
      s.Y[kept] = old.Y[p];
      ++kept;
    }
    s.Count = kept;
  }
}

}  // namespace

int TraceLoadSurface(int i, LoadSurface& s) {
  s.Count = 0;
  const SurchargeRecord& load = cm.Surcharges;
  if (i < 0 || i > 2 || (load.LoadAtXMin[i] < 0.0001 && load.LoadAtXMax[i] < 0.0001)) return 0;
  const std::vector<Edge> edges = GroundBoundary();
  double yMin = 0.0, yMax = 0.0;
  const int from = TopEdgeAt(edges, load.XMin[i], yMin);
  const int to = TopEdgeAt(edges, load.XMax[i], yMax);
  if (from < 0 || to < 0) return 0;
  Append(s, load.XMin[i], yMin);
  const int n = static_cast<int>(edges.size());
  for (int k = from; k != to; k = (k + 1) % n) {
    const PointRecord& end = PointTable[edges[k].b];
    if (k == from && std::fabs(end.X - load.XMin[i]) <= kSameX) continue;
    Append(s, end.X, end.Y);
  }
  if (std::fabs(load.XMax[i] - s.X[s.Count - 1]) > kSameX) Append(s, load.XMax[i], yMax);
  CleanUp(s);
  return s.Count;
}

}  // namespace selvana
