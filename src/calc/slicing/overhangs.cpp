// Soil over air: every used block's outline cut by verticals between the corners, and the first
// stretch of X on which a soil or structure block stands above air over a block of its mass.
#include "calc/slicing/overhangs.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <numeric>
#include <vector>

#include "calc/run_data.h"
#include "calc/slicing/polygons.h"
#include "calc/slicing/walk.h"
#include "model/project_model.h"
#include "platform/number_format.h"

namespace selvana {
namespace {

// Corners closer in X than this stand on one vertical: the slices skip an edge this steep.
constexpr double kSameVertical = 0.0001;
// Blocks closer than this on a vertical meet.
constexpr double kMeeting = 1e-5;

// The part of one block on a vertical, between two crossings of its outline.
struct Stretch {
  double top;
  double bottom;
  int block;
};

const PointRecord& OutlineCorner(int b, int i) {
  return PointTable[BlockPolygonLists.Points[b][i]];
}

int MassRoot(std::vector<int>& mass, int b) {
  while (mass[b] != b) b = mass[b] = mass[mass[b]];
  return b;
}

// The mass of every block slot: blocks that share an outline corner, directly or through
// others, are one mass. A block that touches no other is a mass of its own.
std::vector<int> BlockMasses() {
  std::vector<int> mass(kMaxBlocks);
  std::iota(mass.begin(), mass.end(), 0);
  std::vector<int> cornerOf(kMaxPoints, -1);
  for (int b = 0; b < UsedBlockSlots(); ++b) {
    for (int i = 0; i < UsedPolygonEdges(b); ++i) {
      int& first = cornerOf[BlockPolygonLists.Points[b][i]];
      if (first < 0) first = b;
      mass[MassRoot(mass, b)] = MassRoot(mass, first);
    }
  }
  for (int b = 0; b < kMaxBlocks; ++b) mass[b] = MassRoot(mass, b);
  return mass;
}

// The X of every corner of the used outlines, ascending, each at least kSameVertical beyond
// the one before: between two neighbours no corner lies, so one vertical shows the whole
// stretch.
std::vector<double> CornerVerticals() {
  std::vector<double> xs;
  for (int b = 0; b < UsedBlockSlots(); ++b) {
    for (int i = 0; i < UsedPolygonEdges(b); ++i) xs.push_back(OutlineCorner(b, i).X);
  }
  std::sort(xs.begin(), xs.end());
  std::vector<double> kept;
  for (const double x : xs) {
    if (kept.empty() || x - kept.back() >= kSameVertical) kept.push_back(x);
  }
  return kept;
}

// Adds the stretches of block b on the vertical at x: its crossings, highest first, paired.
void AddBlockStretches(int b, double x, std::vector<Stretch>& stretches) {
  std::vector<double> ys;
  for (int i = 0; i < UsedPolygonEdges(b); ++i) {
    const PointRecord& p = OutlineCorner(b, i);
    const PointRecord& q = OutlineCorner(b, i + 1);
    if ((p.X < x) == (q.X < x)) continue;
    // From the left end, so an edge two blocks share gives both the same crossing.
    const PointRecord& l = p.X < q.X ? p : q;
    const PointRecord& r = p.X < q.X ? q : p;
    ys.push_back((r.Y - l.Y) * (x - l.X) / (r.X - l.X) + l.Y);
  }
  std::sort(ys.begin(), ys.end(), std::greater<>());
  for (std::size_t i = 0; i + 1 < ys.size(); i += 2) stretches.push_back({ys[i], ys[i + 1], b});
}

// True when a soil or structure block above stretch k (in the order from the top) is of one
// mass with a block from k down.
bool OneMassAcross(const std::vector<Stretch>& stretches, std::size_t k,
                   const std::vector<int>& mass) {
  for (std::size_t i = 0; i < k; ++i) {
    if (!BaseInSoil(stretches[i].block)) continue;
    for (std::size_t j = k; j < stretches.size(); ++j) {
      if (mass[stretches[i].block] == mass[stretches[j].block]) return true;
    }
  }
  return false;
}

// True when on the vertical at x a soil or structure block stands above air over a block of
// its own mass.
bool SoilOverAirAt(double x, const std::vector<int>& mass) {
  std::vector<Stretch> stretches;
  for (int b = 0; b < UsedBlockSlots(); ++b) AddBlockStretches(b, x, stretches);
  std::sort(stretches.begin(), stretches.end(),
            [](const Stretch& a, const Stretch& b) { return a.top > b.top; });
  // The lowest point of the blocks above.
  double reached = std::numeric_limits<double>::infinity();
  for (std::size_t k = 0; k < stretches.size(); ++k) {
    if (stretches[k].top < reached - kMeeting && OneMassAcross(stretches, k, mass)) return true;
    reached = std::min(reached, stretches[k].bottom);
  }
  return false;
}

}  // namespace

std::optional<std::string> SoilOverAirRefusal() {
  const std::vector<double> xs = CornerVerticals();
  const std::vector<int> mass = BlockMasses();
  const auto overAir = [&](std::size_t i) { return SoilOverAirAt((xs[i] + xs[i + 1]) / 2, mass); };
  for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
    if (!overAir(i)) continue;
    std::size_t last = i + 1;
    while (last + 1 < xs.size() && overAir(last)) ++last;
    return StrFormat("X = %1.3f～%1.3f で土の下に空間があるため計算できません。", xs[i], xs[last]);
  }
  return std::nullopt;
}

}  // namespace selvana
