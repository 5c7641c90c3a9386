// The piece walk, uncut-line test, slice-side heights and strength test shared by the circle and
// the straight-line searches.
#include "calc/slicing/walk.h"

#include <cmath>

#include "calc/results/safety_factor.h"
#include "calc/results/slip_result.h"
#include "calc/slicing/polygons.h"
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

bool EndsSurface(const SurfaceWalkRules& rules, int b) {
  if (b < 0) return true;
  const BlockRecord& block = BlockTable[b];
  return block.Kind == kBlockPressureWater ||
         (rules.weightWaterEnds && block.Kind == kBlockWeightWater) || WithoutStrength(block);
}

}  // namespace

void WalkSurfacePieces(const SurfaceWalkRules& rules, SurfacePieceWalker& walker) {
  int k = 0;
  SlipInvalid = 0;
  const SurfaceHitsRecord& hits = RunData.SurfaceHits;
  for (int i = 0; i + 1 < hits.Count; ++i) {
    const double xRight = hits.X[i], yRight = hits.Y[i];
    const double xLeft = hits.X[i + 1], yLeft = hits.Y[i + 1];
    if (std::fabs(xRight - xLeft) < 0.0001) {
      if (std::fabs(yRight - yLeft) > 0.0001 &&
          CrossesUncutLine(xRight, yRight, xLeft, yLeft, rules.lengthenUncutLines)) {
        MarkSurfaceInvalid();
      }
      continue;
    }
    const int b = hits.Block[i];
    if (EndsSurface(rules, b)) {
      walker.CloseSurface();
      continue;
    }
    if (BlockTable[b].Kind == kBlockStructure && !rules.structuresAreSoil) {
      MarkSurfaceInvalid();
      return;
    }
    walker.SlicePiece(xRight, xLeft, b, k);
  }
}

void AddSliceBaseToSurface(int b, double xR, double yR, double xL, double yL) {
  SlipSliceBases |= BaseInSoil(b) ? kBaseInSoil : kBaseElsewhere;
  SlipResult& r = CurrentSlipResult;
  if (xR > r.sx) r.sx = xR, r.sy = yR;
  if (xL < r.ex) r.ex = xL, r.ey = yL;
  r.f = kNoSafetyFactor;
  r.valid = 1;
}

bool BaseInSoil(int b) {
  const int kind = BlockTable[b].Kind;
  return kind == kBlockSoil || kind == kBlockStructure;
}

void MarkSurfaceInvalid() {
  SlipInvalid = 1;
  CurrentSlipResult.f = kNoSafetyFactor;
}

bool CrossesUncutLine(double x1, double y1, double x2, double y2, bool lengthen) {
  bool lengthened = !lengthen;
  for (int i = 0; i < LineCount; ++i) {
    const LineRecord& line = LineTable[i];
    if (line.Kind != kLineUncut) continue;
    if (!lengthened) {
      Lengthen(x1, y1, x2, y2);
      lengthened = true;
    }
    double lx1 = PointTable[line.P1].X, ly1 = PointTable[line.P1].Y;
    double lx2 = PointTable[line.P2].X, ly2 = PointTable[line.P2].Y;
    if (lengthen) Lengthen(lx1, ly1, lx2, ly2);
    double x = 0.0, y = 0.0;
    if (IntersectSegments(x1, y1, x2, y2, lx1, ly1, lx2, ly2, x, y) == 0) return true;
  }
  return false;
}

bool ModelHasUncutLines() {
  for (int i = 0; i < LineCount; ++i) {
    if (LineTable[i].Kind == kLineUncut) return true;
  }
  return false;
}

bool WithoutStrength(const BlockRecord& block) {
  return block.Kind == kBlockSoil && block.FrictionAngle < 0.0001 && block.Cohesion < 0.0001 &&
         block.CohesionGradient < 0.0001;
}

void MeasureSliceSides(double xRight, double xLeft) {
  SliceSideHeightsRecord& s = RunData.SliceSideHeights;
  const double third = (xRight - xLeft) / 3.0;
  BlockHeightsAtX(xRight - third, s.TopA, s.BottomA);
  BlockHeightsAtX(xLeft + third, s.TopB, s.BottomB);
  s.XA = xRight;
  s.XB = xLeft;
  for (int b = 0; b < BlockCount; ++b) {
    if (!(s.BottomA[b] < s.TopA[b] + 1e-7 && s.BottomB[b] < s.TopB[b] + 1e-7)) continue;
    const double dt = s.TopA[b] - s.TopB[b];
    s.TopA[b] += dt;
    s.TopB[b] -= dt;
    const double db = s.BottomA[b] - s.BottomB[b];
    s.BottomA[b] += db;
    s.BottomB[b] -= db;
  }
  s.KeepRises(BlockCount);
}

}  // namespace selvana
