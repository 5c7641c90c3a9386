// Crossings of a trial circle with the boundary lines, and the blocks the arc runs through.
#include "calc/slicing/circle_hits.h"

#include <algorithm>

#include "calc/run_data.h"
#include "calc/slicing/arc.h"
#include "calc/slicing/hits.h"
#include "model/geometry.h"
#include "model/project_model.h"

namespace selvana {

namespace {

constexpr double kLowerHalfSlack = 1e-5;  // hits up to this far above the centre still count
constexpr double kProbeHeight = 9999.0;   // the probes reach this far above the centre

// Secant points of the line with the circle that lie on the segment and the lower half.
void AppendArcHits(const LineRecord& line, double cx, double cy, double R) {
  const PointRecord& a = PointTable[line.P1];
  const PointRecord& b = PointTable[line.P2];
  double x1, y1, x2, y2;
  const int result = IntersectSegmentCircle(a.X, a.Y, b.X, b.Y, cx, cy, R, x1, y1, x2, y2);
  if ((result == 0 || result == 1) && y1 < cy + kLowerHalfSlack) {
    AppendSurfaceHit(x1, y1, line.P1, line.P2);
  }
  if ((result == 0 || result == 2) && y2 < cy + kLowerHalfSlack) {
    AppendSurfaceHit(x2, y2, line.P1, line.P2);
  }
}

// The crossing of the line with the vertical probe at x, when it lies on both.
void AppendProbeHit(const LineRecord& line, double x, double cy) {
  const PointRecord& a = PointTable[line.P1];
  const PointRecord& b = PointTable[line.P2];
  double hx, hy;
  if (IntersectSegments(a.X, a.Y, b.X, b.Y, x, cy - kLowerHalfSlack, x, cy + kProbeHeight, hx,
                        hy) == 0) {
    AppendSurfaceHit(hx, hy, line.P1, line.P2);
  }
}

bool IsBoundaryLine(const LineRecord& line) {
  return line.Kind == kLineBoundary && line.P1 >= 0 && line.P1 < kMaxPoints && line.P2 >= 0 &&
         line.P2 < kMaxPoints;
}

}  // namespace

int CircleSurfaceIntersections(double cx, double cy, double R) {
  ClearSurfaceHits();
  for (int i = 0; i < std::min(LineCount, kMaxLines); ++i) {
    const LineRecord& line = LineTable[i];
    if (!IsBoundaryLine(line)) continue;
    AppendArcHits(line, cx, cy, R);
    AppendProbeHit(line, cx + R, cy);
    AppendProbeHit(line, cx - R, cy);
  }
  // The search stands at this centre: cx is the current centre X that orders the ties.
  SortSurfaceHits(cx);
  AssignPieceBlocks([cx, cy, R](int, double xm) { return ArcYAt(cx, cy, R, xm); });
  return 0;
}

}  // namespace selvana
