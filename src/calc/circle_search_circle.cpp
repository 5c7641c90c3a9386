// One trial circle of a circle search: the pieces between its crossings with the ground and the
// block boundaries, and the slices of every piece that lies under soil with strength.
#include <algorithm>
#include <cmath>

#include "calc/circle_search.h"
#include "calc/run_data.h"
#include "calc/safety_factor.h"
#include "calc/slicing_arc.h"
#include "calc/slicing_circle_hits.h"
#include "calc/slicing_polygons.h"
#include "calc/slicing_strips.h"
#include "calc/slip_result.h"
#include "model/geometry.h"

namespace selvana {
namespace {

// Lengthens the segment a-b by 0.0001 at each end; an end stays where it is when the segment
// is too short to give a direction.
void Lengthen(double& ax, double& ay, double& bx, double& by) {
  double nx = 0.0, ny = 0.0, mx = 0.0, my = 0.0;
  const bool bMoves = ExtendLinePoint(ax, ay, bx, by, 0.0001, nx, ny) == 0;
  const bool aMoves = ExtendLinePoint(bx, by, ax, ay, 0.0001, mx, my) == 0;
  if (bMoves) bx = nx, by = ny;
  if (aMoves) ax = mx, ay = my;
}

// True when the chord (x1, y1)-(x2, y2) crosses an uncut line. The chord is lengthened only
// when there is an uncut line to test: most models have none, and it is asked for every slice.
bool CrossesUncutLine(double x1, double y1, double x2, double y2) {
  bool lengthened = false;
  for (int i = 0; i < LineCount; ++i) {
    const LineRecord& line = LineTable[i];
    if (line.Kind != kLineUncut) continue;
    if (!lengthened) {
      Lengthen(x1, y1, x2, y2);
      lengthened = true;
    }
    double lx1 = PointTable[line.P1].X, ly1 = PointTable[line.P1].Y;
    double lx2 = PointTable[line.P2].X, ly2 = PointTable[line.P2].Y;
    Lengthen(lx1, ly1, lx2, ly2);
    double x = 0.0, y = 0.0;
    if (IntersectSegments(x1, y1, x2, y2, lx1, ly1, lx2, ly2, x, y) == 0) return true;
  }
  return false;
}

void MarkInvalid() {
  SlipInvalid = 1;
  CurrentSlipResult.f = kNoSafetyFactor;
}

// True when the slice from x - w to x with base heights yA, yB crosses the sheet pile.
bool CrossesSheetPile(double x, double w, double yA, double yB) {
  const SheetPileSettingsRecord& p = SheetPileSettings;
  return p.PileX <= x + 0.0001 && x - w - 0.0001 <= p.PileX &&
         std::max(yA, yB) - 0.0001 <= p.TopElevation &&
         p.EmbedmentElevation <= std::min(yA, yB) + 0.0001;
}

// Block tops and bottoms at both ends of the interval x2..x1, sampled at its thirds (away from
// every vertex, which is a breakpoint) and extrapolated: block edges are straight inside.
void SideHeights(double x1, double x2) {
  SliceSideHeightsRecord& s = SliceSideHeights;
  const double w3 = (x1 - x2) / 3.0;
  BlockHeightsAtX(x1 - w3, s.TopA, s.BottomA);
  BlockHeightsAtX(x2 + w3, s.TopB, s.BottomB);
  s.XA = x1;
  s.XB = x2;
  for (int b = 0; b < BlockCount; ++b) {
    if (!(s.BottomA[b] < s.TopA[b] + 1e-7 && s.BottomB[b] < s.TopB[b] + 1e-7)) continue;
    const double dt = s.TopA[b] - s.TopB[b];
    s.TopA[b] += dt;
    s.TopB[b] -= dt;
    const double db = s.BottomA[b] - s.BottomB[b];
    s.BottomA[b] += db;
    s.BottomB[b] -= db;
  }
}

// The strips of every block above the slice base whose middle is (xm, ym).
void FillStrips(double w, double xm, double ym, double cx, double cy, double R) {
  for (int b = 0; b < BlockCount; ++b) {
    BlockStrips[b] = BlockStrip{};
    const BlockRecord& block = BlockTable[b];
    if (block.Number < 0) continue;
    if (block.BBox[1] <= xm && xm <= block.BBox[0] && ym <= block.BBox[2]) {
      BlockStripInSlice(b, w, xm, cx, cy, R);
    }
  }
}

void WidenSurfaceEnds(int b, double xR, double yR, double xL, double yL) {
  SlipResult& r = CurrentSlipResult;
  if (xR > r.sx) r.sx = xR, r.sy = yR;
  if (xL < r.ex) r.ex = xL, r.ey = yL;
  const int kind = BlockTable[b].Kind;
  if (kind == kBlockSoil || kind == kBlockStructure) {
    if (xR > r.csx) r.csx = xR, r.csy = yR;
    if (xL < r.cex) r.cex = xL, r.cey = yL;
  }
}

// The circle being cut, with what every slice of it needs to know.
struct CircleCut {
  int order0;
  double cx, cy, R;
  CircleMethod& method;
  bool pileStops;     // a mode-1 sheet pile stops the surface (for this method)
  bool uncutLines;    // the model has uncut lines to test
};

// The slices of one interval x2..x1 of a piece whose base lies in block b.
void SliceInterval(const CircleCut& c, double x1, double x2, int b) {
  SideHeights(x1, x2);
  const double n = std::ceil((x1 - x2) / cm.SliceWidth);
  const double w = (x1 - x2) / n;
  for (double x = x1; x > x2 + 0.001; x -= w) {
    if (SlipInvalid == 1) break;
    const double yA = ArcYAt(c.cx, c.cy, c.R, x);
    const double yB = ArcYAt(c.cx, c.cy, c.R, x - w);
    if (c.uncutLines && CrossesUncutLine(x, yA, x - w, yB)) MarkInvalid();
    if (c.pileStops && CrossesSheetPile(x, w, yA, yB)) {
      MarkInvalid();
      return;
    }
    FillStrips(w, x - w / 2.0, (yA + yB) / 2.0, c.cx, c.cy, c.R);
    c.method.AddSlice(c.R, c.cx, c.cy, b, x, yA, x - w, yB);
    WidenSurfaceEnds(b, x, yA, x - w, yB);
    CurrentSlipResult.f = kNoSafetyFactor;
    CurrentSlipResult.valid = 1;
  }
}

// The slices of the piece from xa down to xb; k walks the breakpoints of the whole circle.
void SlicePiece(const CircleCut& c, double xa, double xb, int b, int& k) {
  while (SliceBreaksX.X[k] >= xa) ++k;
  double x1 = xa;
  double x2 = xb;
  do {
    if (SliceBreaksX.X[k] > xb) {
      x2 = SliceBreaksX.X[k];
      ++k;
    } else {
      x2 = xb;
    }
    SliceInterval(c, x1, x2, b);
    x1 = x2;
  } while (!(std::fabs(x2 - xb) < 1e-5));
}

bool ModelHasUncutLines() {
  for (int i = 0; i < LineCount; ++i) {
    if (LineTable[i].Kind == kLineUncut) return true;
  }
  return false;
}

// True for a soil block whose friction, cohesion and cohesion gradient are all nearly zero.
bool WithoutStrength(const BlockRecord& block) {
  return block.Kind == kBlockSoil && block.FrictionAngle < 0.0001 && block.Cohesion < 0.0001 &&
         block.CohesionGradient < 0.0001;
}

}  // namespace

void EvaluateCircle(int order0, double cx, double cy, double R, CircleMethod& method) {
  SearchGrid.PointX = cx;
  SearchGrid.PointY = cy;
  SearchGrid.R = R;
  method.ResetRecord(order0, cx, cy, R);
  CircleSurfaceIntersections(cx, cy, R);
  int k = 0;
  SlipInvalid = 0;
  const CircleCut cut{order0, cx, cy, R, method,
                      method.StoppedBySheetPile() && SheetPileSettings.Mode == 1,
                      ModelHasUncutLines()};
  for (int i = 0; i + 1 < SurfaceHits.Count; ++i) {
    const double xa = SurfaceHits.X[i], ya = SurfaceHits.Y[i];
    const double xb = SurfaceHits.X[i + 1], yb = SurfaceHits.Y[i + 1];
    if (std::fabs(xa - xb) < 0.0001) {
      if (std::fabs(ya - yb) > 0.0001 && CrossesUncutLine(xa, ya, xb, yb)) MarkInvalid();
      continue;
    }
    const int b = SurfaceHits.Block[i];
    if (b < 0 || BlockTable[b].Kind == kBlockPressureWater || WithoutStrength(BlockTable[b])) {
      method.CloseSurface(order0, cx, cy, R);
      continue;
    }
    if (BlockTable[b].Kind == kBlockStructure) {
      MarkInvalid();
      break;
    }
    SlicePiece(cut, xa, xb, b, k);
  }
  method.CloseSurface(order0, cx, cy, R);
}

}  // namespace selvana
