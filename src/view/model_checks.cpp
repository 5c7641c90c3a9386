// The three check pictures of the model.
#include "view/model_checks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "model/geometry.h"
#include "model/partial_factors.h"
#include "model/project_model.h"
#include "view/primitives.h"
#include "view/view_ports.h"
#include "view/view_state.h"

namespace selvana {
namespace {

constexpr int kMarkRadius = 5;  // pixels
constexpr int kMaxChain = 1024;

// The used slots of the line table that hold a line of the kind between used points.
template <typename Each>
void ForEachLine(int kind, Each each) {
  for (int i = 0; i < std::min(LineCount, kMaxLines); ++i) {
    const LineRecord& l = LineTable[i];
    if (l.Kind == kind && IsPointInUse(l.P1) && IsPointInUse(l.P2)) each(l);
  }
}

void ClearImage() {
  if (Canvas* canvas = ViewCanvas()) {
    canvas->FillRect(0, 0, canvas->Width(), canvas->Height(), kBlack);
  }
}

void DrawModelSegment(double x1, double y1, double x2, double y2, Rgb colour, int style) {
  int sx1 = 0, sy1 = 0, sx2 = 0, sy2 = 0;
  ModelToScreen(x1, y1, sx1, sy1);
  ModelToScreen(x2, y2, sx2, sy2);
  DrawScreenLine(sx1, sy1, sx2, sy2, 1, colour, style);
}

void DrawLineFrom(const std::array<PointRecord, kMaxPoints>& points, const LineRecord& l,
                  Rgb colour, int style) {
  const PointRecord& a = points[l.P1];
  const PointRecord& b = points[l.P2];
  DrawModelSegment(a.X, a.Y, b.X, b.Y, colour, style);
}

void DrawBoundaryLines(const std::array<PointRecord, kMaxPoints>& points, Rgb colour) {
  ForEachLine(kLineBoundary,
              [&](const LineRecord& l) { DrawLineFrom(points, l, colour, kPenSolid); });
}

// A boundary line in each direction: first every line as stored, then every line reversed.
struct Edge {
  int From;
  int To;
};

std::vector<Edge> DirectedEdges() {
  std::vector<Edge> edges;
  edges.reserve(2 * kMaxLines);
  ForEachLine(kLineBoundary, [&](const LineRecord& l) { edges.push_back({l.P1, l.P2}); });
  const size_t forward = edges.size();
  for (size_t i = 0; i < forward; ++i) edges.push_back({edges[i].To, edges[i].From});
  return edges;
}

double Direction(int from, int to) {
  return std::atan2(PointTable[to].Y - PointTable[from].Y, PointTable[to].X - PointTable[from].X);
}

// The untaken edge that goes on from edge e at the smallest turn from the way back (the later
// edge on equal turns), never straight back; -1 at a dead end.
int NextEdge(const std::vector<Edge>& edges, const std::vector<char>& taken, int e) {
  const int a = edges[e].From;
  const int b = edges[e].To;
  const double back = Direction(b, a);
  double best = 999.9;
  int next = -1;
  for (int j = 0; j < static_cast<int>(edges.size()); ++j) {
    if (taken[j] || j == e || edges[j].From != b || edges[j].To == a) continue;
    double turn = Direction(b, edges[j].To) - back;
    if (turn < 0.0) turn += 2.0 * std::numbers::pi;
    if (turn <= best) {
      best = turn;
      next = j;
    }
  }
  return next;
}

// Follows the chain from edge i; true when it closes on i, with chain holding its edges.
bool TraceChain(const std::vector<Edge>& edges, const std::vector<char>& taken, int i,
                std::vector<int>& chain) {
  chain.clear();
  chain.push_back(i);
  int e = i;
  while (true) {
    const int next = NextEdge(edges, taken, e);
    if (next < 0) return false;
    if (next == i) return true;
    if (static_cast<int>(chain.size()) >= kMaxChain) return false;
    chain.push_back(next);
    e = next;
  }
}

}  // namespace

int ShowLineConnectionCheck() {
  ClearImage();
  const double d = kMarkRadius / ViewState.Scale;
  ForEachLine(kLineBoundary, [&](const LineRecord& l) {
    const PointRecord& a = PointTable[l.P1];
    const PointRecord& b = PointTable[l.P2];
    double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0;
    if (ExtendLinePoint(a.X, a.Y, b.X, b.Y, -d, x2, y2) < 0) return;  // a line without length
    if (ExtendLinePoint(b.X, b.Y, a.X, a.Y, -d, x1, y1) < 0) return;
    DrawModelSegment(x1, y1, x2, y2, kAqua, kPenSolid);
  });
  for (int p = 0; p < std::min(PointCount, kMaxPoints); ++p) {
    if (!IsPointInUse(p)) continue;
    int sx = 0, sy = 0;
    ModelToScreen(PointTable[p].X, PointTable[p].Y, sx, sy);
    DrawCircleMark(sx, sy, kMarkRadius, kAqua);
  }
  return 0;
}

int ShowBlockCheck() {
  ClearImage();
  DrawBoundaryLines(PointTable, kWhite);
  const std::vector<Edge> edges = DirectedEdges();
  std::vector<char> taken(edges.size(), 0);
  std::vector<int> chain;
  chain.reserve(kMaxChain);
  for (int i = 0; i < static_cast<int>(edges.size()); ++i) {
    if (taken[i]) continue;
    if (!TraceChain(edges, taken, i, chain) || chain.size() < 3) continue;
    for (int e : chain) taken[e] = 1;
  }
  for (size_t i = 0; i < edges.size(); ++i) {
    if (taken[i]) continue;
    const PointRecord& a = PointTable[edges[i].From];
    const PointRecord& b = PointTable[edges[i].To];
    DrawModelSegment(a.X, a.Y, b.X, b.Y, kRed, kPenSolid);
  }
  return 0;
}

// Each end point is scaled once from its entered height, also when several water lines share
// it, as the calculation does. The boundary lines show the factored heights too, as the
// calculation sees them where they share a point with a water line.
int ShowWaterLineCheck() {
  ClearImage();
  const double factor = PartialFactors.Factor[kFactorResidualWater];
  std::array<PointRecord, kMaxPoints> factored = PointTable;
  ForEachLine(kLineResidualWater, [&](const LineRecord& l) {
    for (int p : {l.P1, l.P2}) factored[p].Y = PointTable[p].Y * factor;
  });
  DrawBoundaryLines(factored, kWhite);
  ForEachLine(kLineResidualWater, [&](const LineRecord& l) {
    DrawLineFrom(PointTable, l, kAqua, kPenDot);
    DrawLineFrom(factored, l, kRed, kPenDot);
  });
  return 0;
}

}  // namespace selvana
