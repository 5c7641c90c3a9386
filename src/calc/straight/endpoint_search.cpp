// Method 5: the points of the two segments, the line between a pair cut with the ground, and
// the passes with their refinement around the best pair.
#include "calc/straight/endpoint_search.h"

#include <algorithm>
#include <cmath>

#include "calc/degree.h"
#include "calc/results/result_store.h"
#include "calc/results/slip_result.h"
#include "calc/run_data.h"
#include "calc/search_orders.h"
#include "calc/slicing/breaks.h"
#include "calc/slicing/hits.h"
#include "calc/straight/walk.h"
#include "calc/straight/wedge.h"
#include "model/geometry.h"
#include "model/project_model.h"
#include "platform/number_format.h"

namespace selvana {
namespace {

// The computed last point of a segment may miss the user's end by an ulp or so.
constexpr double kSegmentEndSlack = 1e-7;
// Points per refined segment, less one.
constexpr int kRefinedDivisions = 20;

// True when x lies within the X range of the user's segment from point i to point i + 1.
bool WithinUserSegment(double x, int i) {
  const auto& px = StraightSlipSettings.PointX;
  return std::min(px[i], px[i + 1]) - kSegmentEndSlack <= x &&
         x <= std::max(px[i], px[i + 1]) + kSegmentEndSlack;
}

// Method 5's wedge: totals, the store of the pass, a fresh record on the same line.
class SegmentWedgeCloser : public WedgeCloser {
 public:
  SegmentWedgeCloser(int pass0, double px, double py, double qx, double qy, CalcProgress& progress)
      : pass0_(pass0), px_(px), py_(py), qx_(qx), qy_(qy), progress_(progress) {}
  void CloseWedge() override {
    LineTotals();
    StoreLineResult2(pass0_ + 1, progress_);
    ResetLineRecord2(pass0_, px_, py_, qx_, qy_, RunData.SearchGrid.Angle);
  }

 private:
  int pass0_;
  double px_, py_, qx_, qy_;
  CalcProgress& progress_;
};

// The slip angle of the line p-q folded into -90..90 degrees, with its direction factor.
void SetLineDirection(double px, double py, double qx, double qy) {
  double alpha = std::atan2(qy - py, qx - px) / kDegree;
  if (alpha < -90.0) alpha += 180.0;
  if (alpha > 90.0) alpha -= 180.0;
  RunData.SearchGrid.Angle = alpha;
  RunData.LineDirectionFactor.Factor = alpha > 0.0 ? 1.0 : -1.0;
  RunData.LineDirectionFactor.Cos = std::cos(alpha * kDegree);
  RunData.LineDirectionFactor.Sin = std::sin(alpha * kDegree);
}

void EvaluatePair(double px, double py, double qx, double qy, CalcProgress& progress) {
  SearchGridRecord& g = RunData.SearchGrid;
  SetLineDirection(px, py, qx, qy);
  g.PointX = px;
  g.PointY = py;
  ResetLineRecord2(g.Order, px, py, qx, qy, g.Angle);
  SlipSegmentSurfaceIntersections(px, py, qx, qy);
  SegmentWedgeCloser closer(g.Order, px, py, qx, qy, progress);
  WalkSlipLine(kLineBetweenSegmentsWalk, px, py, closer);
  closer.CloseWedge();
}

// Every pair of points of the current segments; false when the user stopped the search.
bool WalkPairs(int ns, int ne, CalcProgress& progress) {
  const SearchGridRecord& g = RunData.SearchGrid;
  const auto& step = g.PointStep;
  for (int i = 0; i <= ns; ++i) {
    const double px = g.CentreX[0] + i * step[0];
    const double py = g.CentreY[0] + i * step[1];
    if (!WithinUserSegment(px, 0)) continue;
    for (int j = 0; j <= ne; ++j) {
      const double qx = g.CentreX[2] + j * step[2];
      const double qy = g.CentreY[2] + j * step[3];
      if (!WithinUserSegment(qx, 2)) continue;
      if (AbortRequested(progress)) return false;
      EvaluatePair(px, py, qx, qy, progress);
    }
  }
  return true;
}

void ShowPassLines(int passes, CalcProgress& progress) {
  const SearchGridRecord& g = RunData.SearchGrid;
  ShowOrderCount(progress, g.Order + 1, passes);
  progress.SetLine(2, StrFormat("開始位置 (%7.3f,%7.3f)-(%7.3f,%7.3f)   ", g.CentreX[0],
                                g.CentreY[0], g.CentreX[1], g.CentreY[1]));
  progress.SetLine(3, StrFormat("終了位置 (%7.3f,%7.3f)-(%7.3f,%7.3f)   ", g.CentreX[2],
                                g.CentreY[2], g.CentreX[3], g.CentreY[3]));
  progress.Repaint();
}

// Segment i (0 start, 2 end) becomes the stretch of one old step on each side of (x, y).
void CentreSegmentOn(int i, double x, double y) {
  SearchGridRecord& g = RunData.SearchGrid;
  const double dx = g.PointStep[i], dy = g.PointStep[i + 1];
  g.CentreX[i] = x - dx;
  g.CentreY[i] = y - dy;
  g.CentreX[i + 1] = x + dx;
  g.CentreY[i + 1] = y + dy;
}

// The next pass: 21 points on each segment at a tenth of the step around the best pair.
void RefineAroundBestPair(int& ns, int& ne) {
  CentreSegmentOn(0, MinSlip.cx, MinSlip.cy);
  CentreSegmentOn(2, MinSlip.EndX, MinSlip.EndY);
  for (double& step : RunData.SearchGrid.PointStep) step *= 0.1;
  ns = ne = kRefinedDivisions;
}

// The passes of method 5: each over the pairs of points of the current segments, the next on
// segments around the best pair at a tenth of the spacing.
class PairPasses : public SearchOrders {
 public:
  PairPasses(int ns, int ne, int passes) : ns_(ns), ne_(ne), passes_(passes) {}
  void StartOrder() override {
    const SearchGridRecord& g = RunData.SearchGrid;
    ResetMinSlip();
    MinSlip.cx = g.CentreX[0];
    MinSlip.cy = g.CentreY[0];
    MinSlip.EndX = g.CentreX[2];
    MinSlip.EndY = g.CentreY[2];
  }
  void ShowOrder(CalcProgress& progress) override { ShowPassLines(passes_, progress); }
  bool WalkOrder(CalcProgress& progress) override { return WalkPairs(ns_, ne_, progress); }
  void Refine() override { RefineAroundBestPair(ns_, ne_); }

 private:
  int ns_, ne_;  // divisions of the start and end segments; the refinement changes them
  int passes_;
};

}  // namespace

int SegmentDivisions(double x0, double y0, double x1, double y1, double spacing) {
  const double length = std::sqrt((x1 - x0) * (x1 - x0) + (y1 - y0) * (y1 - y0));
  return static_cast<int>(std::min(std::floor(length / spacing) + 1.0, 1e9));
}

int SlipSegmentSurfaceIntersections(double px, double py, double qx, double qy) {
  ClearSurfaceHits();
  for (int i = 0; i < LineCount; ++i) {
    const LineRecord& line = LineTable[i];
    if (line.Kind != kLineBoundary) continue;
    const PointRecord& a = PointTable[line.P1];
    const PointRecord& b = PointTable[line.P2];
    double x = 0.0, y = 0.0;
    const int where = IntersectSegments(a.X, a.Y, b.X, b.Y, px, py, qx, qy, x, y);
    if (where == 0 || where == 2) AppendSurfaceHit(x, y, line.P1, line.P2);
  }
  // Crossings beyond the line's ends collapse onto the nearer end.
  const bool pLeft = px <= qx;
  const double leftX = pLeft ? px : qx, leftY = pLeft ? py : qy;
  const double rightX = pLeft ? qx : px, rightY = pLeft ? qy : py;
  SurfaceHitsRecord& hits = RunData.SurfaceHits;
  for (int k = 0; k < hits.Count; ++k) {
    if (hits.X[k] > rightX) {
      hits.X[k] = rightX;
      hits.Y[k] = rightY;
    } else if (hits.X[k] < leftX) {
      hits.X[k] = leftX;
      hits.Y[k] = leftY;
    }
  }
  OrderLineHits(px);
  return 0;
}

int SearchSlipLinesByEndpoints(CalcProgress& progress) {
  const StraightSlipSettingsRecord& s = StraightSlipSettings;
  if (!(s.Range[0] > 0.0 && s.Range[1] > 0.0)) return 0;
  progress.Show();
  const int passes = StraightPassCount();
  SearchGridRecord& g = RunData.SearchGrid;
  g.Order = 0;
  g.CentreX = s.PointX;
  g.CentreY = s.PointY;
  int ns = SegmentDivisions(s.PointX[0], s.PointY[0], s.PointX[1], s.PointY[1], s.Range[0]);
  int ne = SegmentDivisions(s.PointX[2], s.PointY[2], s.PointX[3], s.PointY[3], s.Range[1]);
  g.PointStep = {(s.PointX[1] - s.PointX[0]) / ns, (s.PointY[1] - s.PointY[0]) / ns,
                 (s.PointX[3] - s.PointX[2]) / ne, (s.PointY[3] - s.PointY[2]) / ne};
  StartSearchResults();
  g.PointX = s.PointX[0];
  g.PointY = s.PointY[0];
  g.EndX = s.PointX[2];
  g.EndY = s.PointY[2];
  BuildSliceBreaksX2(s.PointX[0], s.PointX[2]);
  PairPasses orders(ns, ne, passes);
  return RunSearchOrders(passes, orders, progress);
}

}  // namespace selvana
