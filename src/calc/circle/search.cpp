// The walk of a circle search: grid orders, the centre grid (shifted by 1e-5), the radii of each
// centre on their grain, the abort poll once per centre, and extension or refinement of the grid
// around the minimum of each order.
#include "calc/circle/search.h"

#include <algorithm>
#include <cmath>

#include "calc/circle/column_threads.h"
#include "calc/circle/search_threads.h"
#include "calc/progress/progress.h"
#include "calc/results/result_store.h"
#include "calc/results/slip_result.h"
#include "calc/run_data.h"
#include "calc/search_orders.h"
#include "calc/slicing/breaks.h"
#include "calc/slicing/radius.h"
#include "platform/number_format.h"

namespace selvana {
namespace {

// The finest grid order searched; a value from a file outside 1..4 would index past the four
// result tables, so it is held to that range.
int HighestOrder(const CircleSearchSettings& settings) {
  return std::clamp(settings.HighestGridOrder, 1, kSlipResultOrders);
}

void StartGrid(const CircleSearchSettings& settings) {
  SearchGridRecord& g = RunData.SearchGrid;
  g.Order = 0;
  // The shift keeps centres off the X of points and lines, where slicing would be ambiguous.
  g.CentreX = {settings.CentreX[0] + 1e-5, settings.CentreX[1] + 1e-5, settings.CentreX[2], 0.0};
  g.CentreY = {settings.CentreY[0] + 1e-5, settings.CentreY[1] + 1e-5, settings.CentreY[2], 0.0};
}

void ShowOrderLines(CalcProgress& progress, int highest) {
  const SearchGridRecord& g = RunData.SearchGrid;
  ShowOrderCount(progress, g.Order + 1, highest);
  progress.SetLine(2, StrFormat("円形中心　X =%8.3f ～%8.3f (step%8.3f )   ", g.CentreX[0],
                                g.CentreX[1], g.CentreX[2]));
  progress.SetLine(3, StrFormat("　　　　　Y =%8.3f ～%8.3f (step%8.3f )   ", g.CentreY[0],
                                g.CentreY[1], g.CentreY[2]));
  for (int line = 4; line <= 7; ++line) progress.SetLine(line, "");
  progress.Repaint();
}

// All centres of the current grid, one circle at a time; false when the user stopped the search.
bool WalkCentres(CircleMethod& method, CalcProgress& progress) {
  SearchGridRecord& g = RunData.SearchGrid;
  return ForEachCentreX(g, [&](double cx) {
    BuildSliceBreaksX(cx);
    return ForEachCentreY(g, [&](double cy) {
      if (!StartCentre(method, progress, cx, cy)) return false;
      CircleRadiusRange(cx, cy);
      ForEachRadius(g, [&](double R) { EvaluateCircle(g.Order, cx, cy, R, method); });
      return true;
    });
  });
}

// Widens one axis by a pitch on each side where the minimum lies on its border.
bool ExtendAxis(std::array<double, 4>& axis, double minimumAt) {
  if (!(axis[2] - 0.0001 < axis[1] - axis[0])) return false;  // a single column or row
  bool extended = false;
  if (std::fabs(minimumAt - axis[0]) < 0.0001) {
    axis[0] -= axis[2];
    extended = true;
  }
  if (std::fabs(minimumAt - axis[1]) < 0.0001) {
    axis[1] += axis[2];
    extended = true;
  }
  return extended;
}

bool ExtendGrid() {
  const bool x = ExtendAxis(RunData.SearchGrid.CentreX, MinSlip.cx);
  const bool y = ExtendAxis(RunData.SearchGrid.CentreY, MinSlip.cy);
  return x || y;
}

// Centres the next order's axis on the minimum with half the pitch; a pitch of 0.001 or less
// keeps the axis as it is.
void RefineAxis(std::array<double, 4>& axis, double minimumAt) {
  if (!(axis[2] > 0.001)) return;
  axis[0] = minimumAt - axis[2];
  axis[1] = minimumAt + axis[2];
  axis[2] = axis[2] * 0.5;
}

// True when the grid and radius pitches let every loop end (the run entries refuse the rest).
bool PitchesUsable(const CircleSearchSettings& settings) {
  return settings.CentreX[2] >= 0.001 && settings.CentreY[2] >= 0.001 &&
         (settings.PassPointOn == 1 || settings.Radius[2] >= 0.001);
}

// The grid orders of a circle search: each order starts its own result table, and an order whose
// minimum lies on the grid border runs again on the widened grid when the settings ask for it.
class CircleOrders : public SearchOrders {
 public:
  CircleOrders(const CircleSearchSettings& settings, CircleMethod& method, int highest, int threads)
      : settings_(settings), method_(method), highest_(highest), threads_(threads) {}
  void StartOrder() override {
    ResetMinSlip();
    ClearSlipResults(RunData.SearchGrid.Order + 1);
  }
  void ShowOrder(CalcProgress& progress) override { ShowOrderLines(progress, highest_); }
  bool WalkOrder(CalcProgress& progress) override {
    if (threads_ > 1) return WalkCentresOnThreads(method_, progress, threads_);
    return WalkCentres(method_, progress);
  }
  // An order that accepted no circle has no minimum to widen or refine the grid around: the
  // next grid would be centred on the model origin, where nobody asked for circles.
  bool NothingToSearchAround() const override {
    return SlipResultCount[RunData.SearchGrid.Order] == 0;
  }
  bool RepeatOrder() override { return settings_.ExtendFirstGrid == 1 && ExtendGrid(); }
  void Refine() override {
    RefineAxis(RunData.SearchGrid.CentreX, MinSlip.cx);
    RefineAxis(RunData.SearchGrid.CentreY, MinSlip.cy);
  }

 private:
  const CircleSearchSettings& settings_;
  CircleMethod& method_;
  int highest_;
  int threads_;  // 1: the one-thread walk
};

}  // namespace

double RadiusGrain(double dR) {
  if (dR + 0.0001 > 1000.0) return 1000.0;
  if (dR + 0.0001 > 100.0) return 100.0;
  if (dR + 0.0001 > 10.0) return 10.0;
  if (dR + 0.0001 > 1.0) return 1.0;
  if (std::fabs(dR - 0.5) < 0.0001) return 0.5;
  if (dR + 0.0001 > 0.1) return 0.1;
  if (std::fabs(dR - 0.05) < 0.0001) return 0.05;
  return 0.01;
}

bool StartCentre(CircleMethod& method, CalcProgress& progress, double cx, double cy) {
  if (AbortRequested(progress)) return false;
  if (progress.LinesDue()) ShowUnshownSurface(progress);
  method.CentreReached(cx, cy);
  return true;
}

int SearchCircles(const CircleSearchSettings& settings, CircleMethod& method,
                  CalcProgress& progress) {
  if (!PitchesUsable(settings)) return 0;
  progress.Show();
  const int highest = HighestOrder(settings);
  StartGrid(settings);
  StartSearchResults();
  const int threads = method.CutsOnThreads() ? SearchThreadCount() : 1;
  CircleOrders orders(settings, method, highest, threads);
  return RunSearchOrders(highest, orders, progress);
}

}  // namespace selvana
