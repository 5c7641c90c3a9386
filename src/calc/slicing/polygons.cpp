// Block polygons traced at the start of a run, and their crossings with verticals.
#include "calc/slicing/polygons.h"

#include <algorithm>
#include <cmath>

#include "calc/run_data.h"
#include "model/line_records.h"

namespace selvana {

namespace {

constexpr double kOnVertical = 1e-5;      // a vertex this close to x lies on the vertical
constexpr double kSteepEdge = 0.0001;     // an edge narrower than this in X has no crossing
constexpr double kTouchSlack = 1e-7;      // top and bottom this close still count as a cut
constexpr double kInsideSlack = 1e-5;     // slack of the point-in-block test
constexpr double kBoxStartMax = -9999.9;  // a bounding box starts inverted at these values
constexpr double kBoxStartMin = 9999.9;

struct Edge {
  double x1, y1, x2, y2;
};

// Edge i (vertex i to vertex i + 1) of block b's polygon.
Edge PolygonEdge(int b, int i) {
  const auto& points = BlockPolygonLists.Points[b];
  const PointRecord& p = PointTable[points[i]];
  const PointRecord& q = PointTable[points[i + 1]];
  return {p.X, p.Y, q.X, q.Y};
}

// The Y of an end of e that lies on the vertical at x (within 1e-5), the first end first.
bool EndOnVertical(const Edge& e, double x, double& y) {
  if (std::fabs(e.x1 - x) < kOnVertical) {
    y = e.y1;
    return true;
  }
  if (std::fabs(e.x2 - x) < kOnVertical) {
    y = e.y2;
    return true;
  }
  return false;
}

// The Y of the line through e at x (e must not be vertical).
double InterpolatedY(const Edge& e, double x) {
  return (e.y2 - e.y1) * (e.x1 - x) / (e.x1 - e.x2) + e.y1;
}

bool OutlineSlotsValid(int entries) {
  for (int i = 0; i < entries; ++i) {
    const int slot = BlockOutline.Points[i];
    if (slot < 0 || slot >= kMaxPoints) return false;
  }
  return true;
}

// Strict comparisons: a coordinate replaces a bound only when it lies beyond it.
void WidenBoundingBox(std::array<double, 4>& box, const PointRecord& p) {
  if (p.X > box[0]) box[0] = p.X;
  if (p.X < box[1]) box[1] = p.X;
  if (p.Y > box[2]) box[2] = p.Y;
  if (p.Y < box[3]) box[3] = p.Y;
}

void KeepOutline(int b, int entries) {
  auto& points = BlockPolygonLists.Points[b];
  std::copy_n(BlockOutline.Points.begin(), entries, points.begin());
  BlockPolygonLists.Count[b] = entries - 1;
  auto& box = BlockTable[b].BBox;
  box = {kBoxStartMax, kBoxStartMin, kBoxStartMax, kBoxStartMin};
  for (int i = 0; i < entries; ++i) WidenBoundingBox(box, PointTable[points[i]]);
}

}  // namespace

int UsedPolygonEdges(int b) {
  if (BlockTable[b].Number < 0) return 0;
  return std::max(BlockPolygonLists.Count[b], 0);
}

int BuildBlockPolygons() {
  BlockPolygonLists.Count.fill(-1);
  for (int b = 0; b < UsedBlockSlots(); ++b) {
    const int entries = TraceBlockRegion(BlockTable[b].SeedX, BlockTable[b].SeedY);
    if (entries <= 3 || entries > kMaxPolygonEntries || !OutlineSlotsValid(entries)) continue;
    KeepOutline(b, entries);
  }
  return 0;
}

int BlockHeightsAtX(double x, std::array<double, kMaxBlocks>& tops,
                    std::array<double, kMaxBlocks>& bottoms) {
  for (int b = 0; b < UsedBlockSlots(); ++b) {
    tops[b] = kNoTop;
    bottoms[b] = kNoBottom;
    double highest = kNoTop;
    double lowest = kNoBottom;
    const int edges = UsedPolygonEdges(b);
    for (int i = 0; i < edges; ++i) {
      const Edge e = PolygonEdge(b, i);
      double y;
      if (!EndOnVertical(e, x, y)) {
        if ((e.x1 < x && e.x2 < x) || (e.x1 > x && e.x2 > x) ||
            std::fabs(e.x1 - e.x2) < kSteepEdge) {
          continue;
        }
        y = InterpolatedY(e, x);
      }
      highest = std::max(highest, y);
      lowest = std::min(lowest, y);
    }
    // A single touching vertex still counts: top = bottom.
    if (highest + kTouchSlack > lowest) {
      tops[b] = highest;
      bottoms[b] = lowest;
    }
  }
  return 0;
}

namespace {

// Highest and lowest crossing of block b's polygon with the vertical at x, over the edges whose
// X span holds x, and also, when endsWidenSpan, the edges with an end on the vertical.
void ExtentAtX(int b, double x, bool endsWidenSpan, double verticalTolerance, double& top,
               double& bottom) {
  top = kNoTop;
  bottom = kNoBottom;
  if (b < 0 || b >= kMaxBlocks) return;
  const int edges = std::max(BlockPolygonLists.Count[b], 0);
  for (int i = 0; i < edges; ++i) {
    const Edge e = PolygonEdge(b, i);
    double y;
    const bool onEnd = EndOnVertical(e, x, y);
    const bool inSpan = std::min(e.x1, e.x2) <= x && x <= std::max(e.x1, e.x2);
    if (!inSpan && !(endsWidenSpan && onEnd)) continue;
    if (!onEnd) {
      if (std::fabs(e.x1 - e.x2) <= verticalTolerance) continue;
      y = InterpolatedY(e, x);
    }
    top = std::max(top, y);
    bottom = std::min(bottom, y);
  }
}

}  // namespace

void BlockExtentAtX(int b, double x, double verticalTolerance, double& top, double& bottom) {
  ExtentAtX(b, x, false, verticalTolerance, top, bottom);
}

void EndFaceExtentAtX(int b, double x, double& top, double& bottom) {
  ExtentAtX(b, x, true, kSteepEdge, top, bottom);
}

int BlockHoldingPoint(double x, double y) {
  for (int b = 0; b < UsedBlockSlots(); ++b) {
    if (BlockTable[b].Number < 0) continue;
    double top, bottom;
    BlockExtentAtX(b, x, kOnVertical, top, bottom);
    if (y < top - kInsideSlack && bottom - kInsideSlack < y) return b;
  }
  return -1;
}

}  // namespace selvana
