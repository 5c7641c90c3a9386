// Soil over air within one block: every used block's outline cut by verticals between the
// corners, and the first stretch of X, wider than a slice, on which a soil or structure block has
// air between two of its own crossings.
#include "calc/slicing/overhangs.h"

#include <algorithm>
#include <functional>
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

// The stretches of every used block on the vertical at x, the highest top first.
std::vector<Stretch> StretchesAt(double x) {
  std::vector<Stretch> stretches;
  for (int b = 0; b < UsedBlockSlots(); ++b) AddBlockStretches(b, x, stretches);
  std::sort(stretches.begin(), stretches.end(),
            [](const Stretch& a, const Stretch& b) { return a.top > b.top; });
  return stretches;
}

// True when the stretches (the highest top first) leave air somewhere between hi and lo.
bool AirBetween(const std::vector<Stretch>& stretches, double hi, double lo) {
  double reached = hi;  // the blocks fill the vertical from hi down to here
  for (const Stretch& s : stretches) {
    if (reached <= lo + kMeeting) return false;
    if (s.top < reached - kMeeting) return true;
    reached = std::min(reached, s.bottom);
  }
  return reached > lo + kMeeting;
}

// True when block b has air between two of its own stretches on the vertical of the stretches:
// the slices, reading it from its highest to its lowest crossing, would count the air as b.
bool AirWithinBlock(int b, const std::vector<Stretch>& stretches) {
  const Stretch* above = nullptr;
  for (const Stretch& s : stretches) {
    if (s.block != b) continue;
    if (above && AirBetween(stretches, above->bottom, s.top)) return true;
    above = &s;
  }
  return false;
}

}  // namespace

std::optional<std::string> SoilOverAirRefusal() {
  const std::vector<double> xs = CornerVerticals();
  std::vector<std::vector<Stretch>> verticals;  // on the middle of each stretch between corners
  for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
    verticals.push_back(StretchesAt((xs[i] + xs[i + 1]) / 2));
  }
  for (int b = 0; b < UsedBlockSlots(); ++b) {
    if (UsedPolygonEdges(b) == 0 || !BaseInSoil(b)) continue;
    const auto overAir = [&](std::size_t i) { return AirWithinBlock(b, verticals[i]); };
    for (std::size_t i = 0; i < verticals.size(); ++i) {
      if (!overAir(i)) continue;
      std::size_t last = i + 1;
      while (last < verticals.size() && overAir(last)) ++last;
      // Narrower than a slice, the air is below what the slices resolve.
      if (xs[last] - xs[i] > cm.SliceWidth) {
        return StrFormat(
            "ブロック%dの下に X = %1.3f～%1.3f で空間があり、その下にも同じブロックがあるため、"
            "計算できません。空間より上の部分を境界線で別のブロックに分けてください。",
            BlockTable[b].Number, xs[i], xs[last]);
      }
      i = last;
    }
  }
  return std::nullopt;
}

}  // namespace selvana
