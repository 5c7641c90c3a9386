// One trial circle of a circle search: the pieces between its crossings with the ground and the
// block boundaries, and the slices of every piece that lies under soil with strength.
#include <algorithm>
#include <cmath>

#include "calc/circle/search.h"
#include "calc/results/slip_result.h"
#include "calc/run_data.h"
#include "calc/slicing/arc.h"
#include "calc/slicing/circle_hits.h"
#include "calc/slicing/strips.h"
#include "calc/slicing/walk.h"

namespace selvana {
namespace {

// True when the slice from x - w to x with base heights yA, yB crosses the sheet pile.
bool CrossesSheetPile(double x, double w, double yA, double yB) {
  const SheetPileSettingsRecord& p = SheetPileSettings;
  return p.PileX <= x + 0.0001 && x - w - 0.0001 <= p.PileX &&
         std::max(yA, yB) - 0.0001 <= p.TopElevation &&
         p.EmbedmentElevation <= std::min(yA, yB) + 0.0001;
}

// Widens the ends of the part of the surface whose base lies in soil or a structure.
void WidenSoilEnds(int b, double xR, double yR, double xL, double yL) {
  SlipResult& r = CurrentSlipResult;
  if (BaseInSoil(b)) {
    if (xR > r.csx) r.csx = xR, r.csy = yR;
    if (xL < r.cex) r.cex = xL, r.cey = yL;
  }
}

// The circle being cut, with what every slice of it needs to know.
class CircleCut : public SurfacePieceWalker {
 public:
  CircleCut(int order0, double cx, double cy, double R, CircleMethod& method, SurfaceOutlet* outlet)
      : order0_(order0),
        cx_(cx),
        cy_(cy),
        R_(R),
        method_(method),
        outlet_(outlet),
        pileStops_(method.StoppedBySheetPile() && SheetPileSettings.Mode == 1),
        uncutLines_(ModelHasUncutLines()) {}

  void CloseSurface() override {
    if (!outlet_) {
      method_.CloseSurface(order0_, cx_, cy_, R_);
      return;
    }
    outlet_->Keep(method_.CompleteSurface());
    method_.ResetRecord(order0_, cx_, cy_, R_);
  }

  // The slices of the piece from xa down to xb; k walks the breakpoints of the whole circle.
  void SlicePiece(double xa, double xb, int b, int& k) override {
    while (RunData.SliceBreaksX.X[k] >= xa) ++k;
    double x1 = xa;
    double x2 = xb;
    do {
      if (RunData.SliceBreaksX.X[k] > xb) {
        x2 = RunData.SliceBreaksX.X[k];
        ++k;
      } else {
        x2 = xb;
      }
      SliceInterval(x1, x2, b);
      x1 = x2;
    } while (!(std::fabs(x2 - xb) < 1e-5));
  }

 private:
  // The slices of one interval x2..x1 of a piece whose base lies in block b.
  void SliceInterval(double x1, double x2, int b) {
    // The right edge of a slice is the left edge x - w of the one before, the very same value,
    // so its arc height is taken over rather than computed again.
    double yRight = ArcYAt(cx_, cy_, R_, x1);
    // The slices step leftwards, so the first one sliced holds the interval's right end and the
    // last one its left end: the surface's ends are widened once, by those two.
    bool sliced = false;
    double xFirst = 0.0, yFirst = 0.0, xLast = 0.0, yLast = 0.0;
    ForEachSliceOfInterval(x1, x2, [&](double x, double w) {
      const double yA = yRight;
      const double yB = ArcYAt(cx_, cy_, R_, x - w);
      yRight = yB;
      if (uncutLines_ && CrossesUncutLine(x, yA, x - w, yB, kCircleWalk.lengthenUncutLines)) {
        MarkSurfaceInvalid();
      }
      if (pileStops_ && CrossesSheetPile(x, w, yA, yB)) {
        MarkSurfaceInvalid();
        return false;
      }
      const double xm = x - w / 2.0;
      const double arcY = ArcYAt(cx_, cy_, R_, xm);
      FillBlockStrips(xm, (yA + yB) / 2.0, [&](int j) { StripAboveArc(j, w, xm, arcY); });
      method_.AddSlice(R_, cx_, cy_, b, x, yA, x - w, yB);
      if (!sliced) xFirst = x, yFirst = yA, sliced = true;
      xLast = x - w, yLast = yB;
      return true;
    });
    if (!sliced) return;
    AddSliceBaseToSurface(b, xFirst, yFirst, xLast, yLast);
    WidenSoilEnds(b, xFirst, yFirst, xLast, yLast);
  }

  int order0_;
  double cx_, cy_, R_;
  CircleMethod& method_;
  SurfaceOutlet* outlet_;
  bool pileStops_;   // a mode-1 sheet pile stops the surface (for this method)
  bool uncutLines_;  // the model has uncut lines to test
};

}  // namespace

void EvaluateCircle(int order0, double cx, double cy, double R, CircleMethod& method,
                    SurfaceOutlet* outlet) {
  RunData.SearchGrid.PointX = cx;
  RunData.SearchGrid.PointY = cy;
  RunData.SearchGrid.R = R;
  method.ResetRecord(order0, cx, cy, R);
  CircleSurfaceIntersections(cx, cy, R);
  CircleCut cut(order0, cx, cy, R, method, outlet);
  WalkSurfacePieces(kCircleWalk, cut);
  cut.CloseSurface();
}

}  // namespace selvana
