// Walking a straight slip line: hit order, piece blocks, uncut-line tests, the slice intervals
// between breakpoints, and the slices with their strips and forces.
#include "calc/straight_walk.h"

#include <cmath>

#include "calc/fellenius_slice.h"
#include "calc/run_data.h"
#include "calc/safety_factor.h"
#include "calc/slicing_hits.h"
#include "calc/slicing_polygons.h"
#include "calc/slip_result.h"
#include "calc/straight_wedge.h"
#include "model/geometry.h"
#include "model/project_model.h"

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

// True when the segment (x1, y1)-(x2, y2) crosses an uncut line.
bool CrossesUncutLine(double x1, double y1, double x2, double y2, bool lengthen) {
  if (lengthen) Lengthen(x1, y1, x2, y2);
  for (int i = 0; i < LineCount; ++i) {
    const LineRecord& line = LineTable[i];
    if (line.Kind != kLineUncut) continue;
    double lx1 = PointTable[line.P1].X, ly1 = PointTable[line.P1].Y;
    double lx2 = PointTable[line.P2].X, ly2 = PointTable[line.P2].Y;
    if (lengthen) Lengthen(lx1, ly1, lx2, ly2);
    double x = 0.0, y = 0.0;
    if (IntersectSegments(x1, y1, x2, y2, lx1, ly1, lx2, ly2, x, y) == 0) return true;
  }
  return false;
}

void MarkInvalid() {
  SlipInvalid = 1;
  CurrentSlipResult.f = kNoSafetyFactor;
}

// Block tops and bottoms at both ends of the interval xa..xr, measured at its thirds (away from
// every vertex, which is a breakpoint) and extrapolated: block edges are straight inside.
void MeasureSides(double xr, double xa) {
  SliceSideHeightsRecord& s = SliceSideHeights;
  const double t = (xr - xa) / 3.0;
  BlockHeightsAtX(xr - t, s.TopA, s.BottomA);
  s.XA = xr;
  BlockHeightsAtX(xa + t, s.TopB, s.BottomB);
  s.XB = xa;
  for (int b = 0; b < BlockCount; ++b) {
    if (!(s.BottomA[b] < s.TopA[b] + 1e-7 && s.BottomB[b] < s.TopB[b] + 1e-7)) continue;
    const double d = s.TopA[b] - s.TopB[b];
    s.TopA[b] += d;
    s.TopB[b] -= d;
    const double e = s.BottomA[b] - s.BottomB[b];
    s.BottomA[b] += e;
    s.BottomB[b] -= e;
  }
}

// The strips of every block above the slice whose base middle is (xm, ym).
void FillStrips(double w, double xm, double ym, double x0, double y0) {
  for (int j = 0; j < BlockCount; ++j) {
    BlockStrips[j] = BlockStrip{};
    const BlockRecord& block = BlockTable[j];
    if (block.Number < 0) continue;
    if (block.BBox[1] <= xm && xm <= block.BBox[0] && ym <= block.BBox[2]) {
      BlockStripAboveLine(j, w, xm, ym, x0, y0, SearchGrid.Angle);
    }
  }
}

// Adds the slice just computed to the wedge and widens its ends.
void AddSliceToWedge(double x, double y, double xl, double yl) {
  SlipResult& r = CurrentSlipResult;
  if (x > r.sx) r.sx = x, r.sy = y;
  if (xl < r.ex) r.ex = xl, r.ey = yl;
  r.mrf += SliceTerms.mrf;
  r.mrc += SliceTerms.mrc;
  r.mdw += SliceTerms.mdw;
  r.mdh += SliceTerms.mdh;
  r.mdk += SliceTerms.mdk;
  r.f = kNoSafetyFactor;
  r.valid = 1;
}

// The slices of the interval xa..xr of a piece in block b, from right to left.
void SliceInterval(const StraightWalkRules& rules, double xr, double xa, int b, double x0,
                   double y0) {
  MeasureSides(xr, xa);
  const double n = std::ceil((xr - xa) / cm.SliceWidth);
  const double w = (xr - xa) / n;
  for (double x = xr; x > xa + 0.001 && SlipInvalid < 1; x -= w) {
    const double xl = x - w;
    const double y = SlipLineYAt(x, x0, y0);
    const double yl = SlipLineYAt(xl, x0, y0);
    if (CrossesUncutLine(x, y, xl, yl, rules.lengthenUncutLines)) MarkInvalid();
    FillStrips(w, (x + xl) / 2.0, (y + yl) / 2.0, x0, y0);
    SliceForcesStraightLine(SearchGrid.Angle, x0, y0, b, x, y, xl, yl);
    AddSliceToWedge(x, y, xl, yl);
  }
}

// The slices of the soil piece from x1 down to x2; k walks the breakpoints of the whole line.
void SlicePiece(const StraightWalkRules& rules, double x1, double x2, int b, int& k, double x0,
                double y0) {
  while (SliceBreaksX.X[k] >= x1) ++k;
  double xa = x1;
  do {
    const double xr = xa;
    if (SliceBreaksX.X[k] <= x2) {
      xa = x2;
    } else {
      xa = SliceBreaksX.X[k];
      ++k;
    }
    SliceInterval(rules, xr, xa, b, x0, y0);
  } while (std::fabs(xa - x2) >= 1e-5);
}

// True for a soil block whose friction, cohesion and cohesion gradient are all nearly zero.
bool WithoutStrength(const BlockRecord& block) {
  return block.Kind == kBlockSoil && block.FrictionAngle < 0.0001 && block.Cohesion < 0.0001 &&
         block.CohesionGradient < 0.0001;
}

bool EndsWedge(int b) {
  if (b < 0) return true;
  const BlockRecord& block = BlockTable[b];
  return block.Kind == kBlockPressureWater || block.Kind == kBlockWeightWater ||
         WithoutStrength(block);
}

}  // namespace

void OrderLineHits(double tieX) {
  SortSurfaceHits(tieX, CombGapRule::kDivided);
  // The crossings lie on the line; their mean holds also where the line is too steep for
  // SlipLineYAt, which reads a line with a cosine below 1e-5 as level.
  const SurfaceHitsRecord& hits = SurfaceHits;
  AssignPieceBlocks([&hits](int k, double) { return (hits.Y[k] + hits.Y[k + 1]) / 2.0; });
}

void WalkSlipLine(const StraightWalkRules& rules, double x0, double y0, WedgeCloser& closer) {
  int k = 0;
  SlipInvalid = 0;
  const SurfaceHitsRecord& hits = SurfaceHits;
  for (int i = 0; i + 1 < hits.Count; ++i) {
    const double x1 = hits.X[i], y1 = hits.Y[i];
    const double x2 = hits.X[i + 1], y2 = hits.Y[i + 1];
    if (std::fabs(x1 - x2) < 0.0001) {
      if (std::fabs(y1 - y2) > 0.0001 &&
          CrossesUncutLine(x1, y1, x2, y2, rules.lengthenUncutLines)) {
        MarkInvalid();
      }
      continue;
    }
    const int b = hits.Block[i];
    if (EndsWedge(b)) {
      closer.CloseWedge();
      continue;
    }
    if (BlockTable[b].Kind == kBlockStructure && !rules.structuresAreSoil) {
      MarkInvalid();
      return;
    }
    SlicePiece(rules, x1, x2, b, k, x0, y0);
  }
}

}  // namespace selvana
