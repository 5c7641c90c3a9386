// Method 3: the angle range narrowed by the arc-limit lines, the ray from the start point cut
// with the ground, and the passes over the slip angles.
#include "calc/straight/angle_search.h"

#include <algorithm>
#include <cmath>
#include <utility>

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

constexpr double kNoLimit = 999999.0;  // a limit angle not yet found
constexpr double kRayLength = 10000.0;

// The smallest direction angle (0 <= a < 360 degrees) from (x0, y0) to an end of any line of
// the two kinds; kNoLimit when there is none.
double SmallestLimitAngle(int kindA, int kindB, double x0, double y0) {
  double smallest = kNoLimit;
  for (int i = 0; i < LineCount; ++i) {
    const LineRecord& line = LineTable[i];
    if (line.Kind != kindA && line.Kind != kindB) continue;
    for (const int p : {line.P1, line.P2}) {
      double a = std::atan2(PointTable[p].Y - y0, PointTable[p].X - x0) / kDegree;
      if (a < 0.0) a += 360.0;
      if (a < smallest) smallest = a;
    }
  }
  return smallest;
}

bool ModelHasLineOfKind(int kindA, int kindB) {
  for (int i = 0; i < LineCount; ++i) {
    if (LineTable[i].Kind == kindA || LineTable[i].Kind == kindB) return true;
  }
  return false;
}

// A direction angle folded into an elevation angle above or below the horizontal; sense is +1
// for directions to the right (first and third quarter turn), -1 to the left.
double FoldDirection(double a, double& sense) {
  if (a < 90.0) {
    sense = 1.0;
    return a;
  }
  if (a < 180.0) {
    sense = -1.0;
    return 180.0 - a;
  }
  if (a < 270.0) {
    sense = 1.0;
    return a - 180.0;
  }
  sense = -1.0;
  return 360.0 - a;
}

// Appends the crossing of the boundary line with the ray from (x0, y0) to (x0 + dx, y0 + dy),
// when it lies on both.
void AppendRayHit(const LineRecord& line, double x0, double y0, double dx, double dy) {
  const PointRecord& a = PointTable[line.P1];
  const PointRecord& b = PointTable[line.P2];
  double x = 0.0, y = 0.0;
  if (IntersectSegments(a.X, a.Y, b.X, b.Y, x0, y0, x0 + dx, y0 + dy, x, y) == 0) {
    AppendSurfaceHit(x, y, line.P1, line.P2);
  }
}

// The line's crossings with every boundary line, line by line: the ray above the start point
// (unless Side is 2), then the ray below it (unless Side is 1).
void AppendLineHits(double x0, double y0, double dx, double dy) {
  const int side = StraightSlipSettings.Side;
  for (int i = 0; i < LineCount; ++i) {
    const LineRecord& line = LineTable[i];
    if (line.Kind != kLineBoundary) continue;
    if (side != 2) AppendRayHit(line, x0, y0, dx, dy);
    if (side != 1) AppendRayHit(line, x0, y0, -dx, -dy);
  }
}

// Method 3's wedge: totals, the store of the pass, a fresh record on the same line.
class AngleWedgeCloser : public WedgeCloser {
 public:
  AngleWedgeCloser(int pass0, double x0, double y0, CalcProgress& progress)
      : pass0_(pass0), x0_(x0), y0_(y0), progress_(progress) {}
  void CloseWedge() override {
    LineTotals();
    StoreLineResult(pass0_ + 1, progress_);
    ResetLineRecord(pass0_, x0_, y0_, RunData.SearchGrid.Angle);
  }

 private:
  int pass0_;
  double x0_, y0_;
  CalcProgress& progress_;
};

void ShowPassLines(int passes, double x0, double y0, CalcProgress& progress) {
  const SearchGridRecord& g = RunData.SearchGrid;
  ShowOrderCount(progress, g.Order + 1, passes);
  progress.SetLine(2, StrFormat("直線すべり開始位置　X =%8.3f    Y =%8.3f   ", x0, y0));
  progress.SetLine(3, StrFormat("　　すべり角範囲　 α=%8.3f ～%8.3f (step%8.3f )   ",
                                g.AngleRange[0], g.AngleRange[1], g.AngleRange[2]));
  progress.Repaint();
}

// Evaluates the line at grid angle a: clamped into the range, signed by the direction factor.
void EvaluateAngle(double a, double x0, double y0, CalcProgress& progress) {
  SearchGridRecord& g = RunData.SearchGrid;
  const double clamped = std::min(std::max(a, g.AngleRange[0]), g.AngleRange[1]);
  g.Angle = clamped * RunData.LineDirectionFactor.Factor;
  RunData.LineDirectionFactor.Cos = std::cos(g.Angle * kDegree);
  RunData.LineDirectionFactor.Sin = std::sin(g.Angle * kDegree);
  ResetLineRecord(g.Order, x0, y0, g.Angle);
  SlipLineSurfaceIntersections(x0, y0, g.Angle);
  AngleWedgeCloser closer(g.Order, x0, y0, progress);
  WalkSlipLine(kLineFromPointWalk, x0, y0, closer);
  closer.CloseWedge();
}

// All angles of the current pass; false when the user stopped the search.
bool WalkAngles(double x0, double y0, CalcProgress& progress) {
  const SearchGridRecord& g = RunData.SearchGrid;
  const double step = g.AngleRange[2];
  const AngleWalkSpan span = AngleWalkSpanOf(g.AngleRange[0], g.AngleRange[1], step);
  for (double a = span.first; a < span.last + 0.0001; a += step) {
    if (AbortRequested(progress)) return false;
    EvaluateAngle(a, x0, y0, progress);
  }
  return true;
}

// The next pass searches around the best angle of this one at a tenth of the step, within
// lowest..highest; a step of 0.001 or less keeps the range. The best angle is taken back into
// the sense of the range: the stored angle carries the direction factor.
void RefineAngleRange(double lowest, double highest) {
  auto& range = RunData.SearchGrid.AngleRange;
  if (!(range[2] > 0.001)) return;
  const double best = MinSlip.rr * RunData.LineDirectionFactor.Factor;
  range[0] = std::max(best - range[2], lowest);
  range[1] = std::min(best + range[2], highest);
  range[2] = range[2] * 0.1;
}

// The passes of method 3: each over the angle range of SearchGrid, the next around the best
// angle at a tenth of the step, never beyond the range of the first.
class AnglePasses : public SearchOrders {
 public:
  AnglePasses(double x0, double y0, int passes)
      : x0_(x0),
        y0_(y0),
        passes_(passes),
        lowest_(RunData.SearchGrid.AngleRange[0]),
        highest_(RunData.SearchGrid.AngleRange[1]) {}
  void StartOrder() override {
    ResetMinSlip();
    MinSlip.cx = x0_;
    MinSlip.cy = y0_;
  }
  void ShowOrder(CalcProgress& progress) override { ShowPassLines(passes_, x0_, y0_, progress); }
  // An empty range (from the user's values or the limit lines) has no angle to evaluate.
  bool NothingToWalk() const override {
    return RunData.SearchGrid.AngleRange[1] + 0.0001 < RunData.SearchGrid.AngleRange[0];
  }
  bool WalkOrder(CalcProgress& progress) override { return WalkAngles(x0_, y0_, progress); }
  void Refine() override { RefineAngleRange(lowest_, highest_); }

 private:
  double x0_, y0_;
  int passes_;
  double lowest_, highest_;  // the range of the first pass
};

}  // namespace

AngleWalkSpan AngleWalkSpanOf(double min, double max, double step) {
  if (max - min < 0.0001) return {min, min};
  return {std::floor(min / step) * step, std::ceil(max / step) * step};
}

bool AngleStepWorkable(double min, double max, double step) {
  if (!(step > 0.0)) return false;
  const AngleWalkSpan span = AngleWalkSpanOf(min, max, step);
  // The pass runs while the angle lies below last + 0.0001. The angle farthest from zero has
  // the coarsest rounding: if it grows by the step, every angle does.
  const double end = span.last + 0.0001;
  const double farthest = std::max(std::fabs(span.first), std::fabs(end));
  if (!(farthest + step > farthest)) return false;
  return (end - span.first) / step + 1.0 <= kMaxSlipResults;
}

SlipAngleLimits LimitedSlipAngles(double x0, double y0) {
  const auto& range = StraightSlipSettings.Range;
  SlipAngleLimits limits = {range[0], range[1], 0.0};
  const bool haveLower = ModelHasLineOfKind(kLineSmallArcLimit, kLineSmallArcLimitPoint);
  const bool haveUpper = ModelHasLineOfKind(kLineLargeArcLimit, kLineLargeArcLimitPoint);
  double ignored = 0.0;
  double lower = FoldDirection(
      SmallestLimitAngle(kLineSmallArcLimit, kLineSmallArcLimitPoint, x0, y0), ignored);
  double upper = FoldDirection(
      SmallestLimitAngle(kLineLargeArcLimit, kLineLargeArcLimitPoint, x0, y0), limits.factor);
  if (haveLower && haveUpper && lower > upper) std::swap(lower, upper);
  if (haveLower && lower < kNoLimit && lower > limits.min) limits.min = lower;
  if (haveUpper && upper < kNoLimit && upper < limits.max) limits.max = upper;
  return limits;
}

std::optional<SlipAngleLimits> NarrowedSlipAngles() {
  const SlipAngleLimits limits =
      LimitedSlipAngles(StraightSlipSettings.PointX[0], StraightSlipSettings.PointY[0]);
  const auto& range = StraightSlipSettings.Range;
  if (limits.min > range[0] || limits.max < range[1]) return limits;
  return std::nullopt;
}

int SlipAngleRange(double x0, double y0) {
  const SlipAngleLimits limits = LimitedSlipAngles(x0, y0);
  RunData.SearchGrid.AngleRange = {limits.min, limits.max, StraightSlipSettings.Range[2]};
  RunData.LineDirectionFactor.Factor = limits.factor;
  SlopeDirection = limits.factor > 0.0 ? 1 : -1;
  return 0;
}

int SlipLineSurfaceIntersections(double x0, double y0, double alpha) {
  const double sense = RunData.LineDirectionFactor.Factor;
  const double dx = std::fabs(std::cos(alpha * kDegree)) * kRayLength * sense;
  const double dy = std::fabs(std::sin(alpha * kDegree)) * kRayLength;
  ClearSurfaceHits();
  AppendLineHits(x0, y0, dx, dy);
  OrderLineHits(x0);
  return 0;
}

int SearchSlipLinesByAngle(CalcProgress& progress) {
  if (!(StraightSlipSettings.Range[2] > 0.0)) return 0;
  progress.Show();
  const int passes = StraightPassCount();
  const double x0 = StraightSlipSettings.PointX[0];
  const double y0 = StraightSlipSettings.PointY[0];
  SearchGridRecord& g = RunData.SearchGrid;
  g.Order = 0;
  g.CentreX = {x0, x0, x0, 0.0};
  g.CentreY = {y0, y0, y0, 0.0};
  StartSearchResults();
  g.PointX = x0;
  g.PointY = y0;
  BuildSliceBreaksX(x0);
  SlipAngleRange(x0, y0);
  AnglePasses orders(x0, y0, passes);
  return RunSearchOrders(passes, orders, progress);
}

}  // namespace selvana
