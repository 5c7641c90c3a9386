// Slip geometry, the store of marked circles, and the circle, line and centre layouts.
#include "view/figure/slip_layout.h"

#include <algorithm>
#include <cmath>

#include "calc/results/consolidation.h"
#include "model/line_records.h"
#include "model/project_model.h"
#include "platform/number_format.h"
#include "view/figure/ground_outline.h"

namespace selvana {

SlipGeometryRecord SlipGeometry;
ArcStoreRecord ArcStore;

namespace {

bool BoxSpans(const BlockRecord& b, double x) { return b.BBox[1] <= x && x <= b.BBox[0]; }

// Raises P1 and P4 to the highest outline edge of the soil and structure blocks above P2 and P3.
void RaiseEndsToGround(SlipGeometryRecord& g) {
  for (int i = 0; i < BlockCount && i < kMaxBlocks; ++i) {
    const BlockRecord& block = BlockTable[i];
    if (!IsGroundBlock(i) || !(BoxSpans(block, g.P2x) || BoxSpans(block, g.P3x))) continue;
    const int n = TraceGroundOutline(i);
    for (int k = 0; k + 1 < n; ++k) {
      const PointRecord& a = PointTable[BlockOutline.Points[k]];
      const PointRecord& b = PointTable[BlockOutline.Points[k + 1]];
      if (EdgeSpans(a, b, g.P2x)) g.P1y = std::max(g.P1y, EdgeYAt(a, b, g.P2x, true));
      if (EdgeSpans(a, b, g.P3x)) g.P4y = std::max(g.P4y, EdgeYAt(a, b, g.P3x, true));
    }
  }
}

template <typename Source>
SlipGeometryRecord GeometryOf(const Source& s, double cx, double cy) {
  SlipGeometryRecord g;
  g.Cx = cx, g.Cy = cy;
  g.P1x = g.P2x = s.csx;
  g.P1y = g.P2y = s.csy;
  g.P3x = g.P4x = s.cex;
  g.P3y = g.P4y = s.cey;
  return g;
}

}  // namespace

int SetSlipGeometry(int i) {
  if (CalcStatus != 1) return 0;
  if (i >= CircleListCount || i >= kMaxCircleListEntries) return -1;
  const CircleListEntry& e = CircleList[std::max(i, 0)];
  SlipGeometryRecord g = i < 0 ? GeometryOf(CriticalResult, CriticalResult.cx, CriticalResult.cy)
                               : GeometryOf(e, e.CentreX, e.CentreY);
  if (!StraightLineMethod(cm.kt)) RaiseEndsToGround(g);
  SlipGeometry = g;
  return 0;
}

int CollectSlipCircles() {
  if (CalcStatus != 1) return 0;
  ArcStore.Count = 0;
  for (int i = 0; i < CircleListCount && i < kMaxCircleListEntries; ++i) {
    const CircleListEntry& e = CircleList[i];
    const bool critical = std::fabs(e.CentreX - CriticalResult.cx) < 0.001 &&
                          std::fabs(e.CentreY - CriticalResult.cy) < 0.001;
    if (e.DrawMark == 0 || critical) continue;
    SetSlipGeometry(i);
    ArcStore.Circles[ArcStore.Count++] = SlipGeometry;
    if (ArcStore.Count >= kArcStoreLimit) break;
  }
  return 0;
}

void LayoutSlipCircle(const SlipGeometryRecord& g, FigureLayout& out) {
  const double cx = PaperX(g.Cx), cy = PaperY(g.Cy);
  const double x1 = PaperX(g.P1x), y1 = PaperY(g.P1y), x2 = PaperX(g.P2x), y2 = PaperY(g.P2y);
  const double x3 = PaperX(g.P3x), y3 = PaperY(g.P3y), x4 = PaperX(g.P4x), y4 = PaperY(g.P4y);
  out.Line(cx, cy, x1, y1);
  out.Line(x1, y1, x2, y2);
  out.Arc({cx, cy, std::hypot(x2 - cx, y2 - cy), x3, y3, x2, y2});
  out.Line(x3, y3, x4, y4);
  out.Line(x4, y4, cx, cy);
}

void LayoutCriticalSlip(FigureLayout& out) {
  if (!StraightLineMethod(cm.kt)) {
    LayoutSlipCircle(SlipGeometry, out);
    return;
  }
  const SlipResult& r = CriticalResult;
  out.Line(PaperX(r.sx), PaperY(r.sy), PaperX(r.ex), PaperY(r.ey));
}

int LayoutCentreSafetyFactor(int i, FigureLayout& out, bool labelAtAnySize) {
  if (i < 0 || i >= CircleListCount || i >= kMaxCircleListEntries) return -1;
  const CircleListEntry& e = CircleList[i];
  out.Mark(PaperX(e.CentreX), PaperY(e.CentreY), 2);
  const double s = DrawSettings.Sizes[3];
  if (e.LabelFlag < 0 || !(s >= (labelAtAnySize ? 0.0 : 1e-7))) return 0;
  const int d0 = DrawSettings.ShownDecimals()[0];
  out.Text(StrFormat("%6.*f", d0, CutToDecimals(e.F, d0)), PaperX(e.LabelX) - 1.5 * s,
           PaperY(e.LabelY) + 0.2 * s, s, kFigureAnchorBottomLeft);
  return 0;
}

}  // namespace selvana
