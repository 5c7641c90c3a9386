// Walking a straight slip line on the shared piece walk: hit order, piece blocks, the slice
// intervals between breakpoints, and the slices with their strips and forces.
#include "calc/straight/walk.h"

#include <algorithm>
#include <cmath>

#include "calc/circle/fellenius_slice.h"
#include "calc/results/slip_result.h"
#include "calc/run_data.h"
#include "calc/slicing/hits.h"
#include "calc/slicing/walk.h"
#include "calc/straight/wedge.h"
#include "model/project_model.h"

namespace selvana {
namespace {

// The walk along one slip line: wedges closed through the search's closer, soil pieces sliced.
class LineWalker : public SurfacePieceWalker {
 public:
  LineWalker(const SurfaceWalkRules& rules, double x0, double y0, WedgeCloser& closer)
      : rules_(rules), x0_(x0), y0_(y0), closer_(closer) {}

  void CloseSurface() override { closer_.CloseWedge(); }

  // The slices of the soil piece from x1 down to x2; k walks the breakpoints of the whole line.
  void SlicePiece(double x1, double x2, int b, int& k) override {
    while (RunData.SliceBreaksX.X[k] >= x1) ++k;
    double xa = x1;
    do {
      const double xr = xa;
      if (RunData.SliceBreaksX.X[k] <= x2) {
        xa = x2;
      } else {
        xa = RunData.SliceBreaksX.X[k];
        ++k;
      }
      SliceInterval(xr, xa, b);
    } while (std::fabs(xa - x2) >= 1e-5);
  }

 private:
  // The slices of the interval xa..xr of a piece in block b, from right to left.
  void SliceInterval(double xr, double xa, int b) {
    ForEachSliceOfInterval(xr, xa, [&](double x, double w) {
      const double xl = x - w;
      const double y = SlipLineYAt(x, x0_, y0_);
      const double yl = SlipLineYAt(xl, x0_, y0_);
      if (CrossesUncutLine(x, y, xl, yl, rules_.lengthenUncutLines)) MarkSurfaceInvalid();
      const double xm = (x + xl) / 2.0;
      const double ym = (y + yl) / 2.0;
      FillBlockStrips(xm, ym, [&](int j) {
        BlockStripAboveLine(j, w, xm, ym, x0_, y0_, RunData.SearchGrid.Angle);
      });
      SliceForcesStraightLine(RunData.SearchGrid.Angle, x0_, y0_, b, x, y, xl, yl);
      AddSliceBaseToSurface(b, x, y, xl, yl);
      AddSliceTerms(CurrentSlipResult);
      return true;
    });
  }

  const SurfaceWalkRules& rules_;
  double x0_, y0_;
  WedgeCloser& closer_;
};

}  // namespace

void OrderLineHits(double tieX) {
  SortSurfaceHits(tieX, CombGapRule::kDivided);
  // The crossings lie on the line; their mean holds also where the line is too steep for
  // SlipLineYAt, which reads a line with a cosine below 1e-5 as level.
  const SurfaceHitsRecord& hits = RunData.SurfaceHits;
  AssignPieceBlocks([&hits](int k, double) { return (hits.Y[k] + hits.Y[k + 1]) / 2.0; });
}

void WalkSlipLine(const SurfaceWalkRules& rules, double x0, double y0, WedgeCloser& closer) {
  LineWalker walker(rules, x0, y0, closer);
  WalkSurfacePieces(rules, walker);
}

int StraightPassCount() { return std::clamp(StraightSlipSettings.Passes, 1, kSlipResultOrders); }

}  // namespace selvana
