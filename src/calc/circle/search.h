// The walk of a circle search over grid orders, centres and radii, and the cutting of each trial
// circle into pieces and slices. What a slice and a slip surface amount to is the business of the
// circle method handed in, so the Fellenius and the Bishop searches share the whole walk.
#pragma once
#include <algorithm>
#include <cmath>
#include <string_view>

#include "calc/run_data.h"

#include "calc/progress/progress.h"
#include "calc/results/result_store_lines.h"
#include "model/project_model.h"

namespace selvana {

// The per-circle mechanics a search plugs into the walk.
class CircleMethod {
 public:
  virtual ~CircleMethod() = default;
  // Starts a fresh CurrentSlipResult for the circle (order0 is the 0-based grid order).
  virtual void ResetRecord(int order0, double cx, double cy, double R) = 0;
  // Computes the slice above the base chord (xR, yR)-(xL, yL), whose base lies in block b, and
  // adds its terms to CurrentSlipResult.
  virtual void AddSlice(double R, double cx, double cy, int b, double xR, double yR, double xL,
                        double yL) = 0;
  // Completes the current slip surface, offers it to the store of grid order order0 + 1 and
  // starts a fresh record for the rest of the same circle. By default: CompleteSurface,
  // StoreSurface, ResetRecord.
  virtual void CloseSurface(int order0, double cx, double cy, double R) {
    StoreSurface(order0, CompleteSurface(), {});
    ResetRecord(order0, cx, cy, R);
  }
  // Completes the totals of CurrentSlipResult; returns the shares the store writes with it.
  virtual BishopShares CompleteSurface() { return {}; }
  // Offers CurrentSlipResult (and the shares) to the store of grid order order0 + 1, with its
  // dump lines when they were formatted already (else empty).
  virtual void StoreSurface(int order0, const BishopShares& shares, std::string_view dumpLines) {
    (void)order0;
    (void)shares;
    (void)dumpLines;
  }
  // The layout of the method's dump lines.
  virtual SlipFamily Family() const { return SlipFamily::Circle; }
  // True when ResetRecord, AddSlice and CompleteSurface touch nothing but the calling thread's
  // workspace, so that circles can be cut on several threads at once and their surfaces
  // stored afterwards, in order, by StoreSurface on the searching thread.
  virtual bool CutsOnThreads() const { return false; }
  // Run on every search thread before its first circle and after its last.
  virtual void StartThread() {}
  virtual void EndThread() {}
  // True when a sheet pile in mode 1 keeps slip surfaces from crossing it.
  virtual bool StoppedBySheetPile() const = 0;
  // Called for every centre after an abort poll that did not stop the search.
  virtual void CentreReached(double cx, double cy) {
    (void)cx;
    (void)cy;
  }
};

// Runs the whole search with the given settings: shows the progress window, walks the grid
// orders with extension and refinement, polls for a stop once per centre, opens each order's
// dump file for the stores. Returns 0 when it ran to its end (or did not start because a pitch
// below 0.001 would never end a loop; the run entries refuse those first), -1 when the user
// stopped it. HighestGridOrder is held to 1..4.
int SearchCircles(const CircleSearchSettings& settings, CircleMethod& method,
                  CalcProgress& progress);

// Where a circle cut on a search thread leaves each surface it closes (completed, not stored):
// Keep reads CurrentSlipResult and SlopeDirection of the calling thread.
class SurfaceOutlet {
 public:
  virtual ~SurfaceOutlet() = default;
  virtual void Keep(const BishopShares& shares) = 0;
};

// Cuts the circle (cx, cy, R) at the ground and the block boundaries, slices every piece under
// soil with strength and closes a slip surface at air, pressure water, soil without strength
// and at the end. A structure or an uncut line makes the current surface invalid. Makes
// (cx, cy, R) the current point and radius of SearchGrid, which the slicing and totals read.
// Each closed surface is stored by method.CloseSurface, or, with an outlet, completed, kept by
// the outlet and its record reset.
void EvaluateCircle(int order0, double cx, double cy, double R, CircleMethod& method,
                    SurfaceOutlet* outlet = nullptr);

// What either walk does as it reaches a centre: the abort poll (false when the user stopped the
// search), the progress lines of a surface stored while they were not due when they are due
// now, and method.CentreReached.
bool StartCentre(CircleMethod& method, CalcProgress& progress, double cx, double cy);

// The grain on which the radius loop of a centre starts, from the radius pitch.
double RadiusGrain(double dR);

// The walk's loops over a grid, shared by the one-thread and the threaded walk. Each visit
// returns false to end its loop early; the loop then returns false.

// The centre X of the grid from left to right.
template <class Visit>
bool ForEachCentreX(const SearchGridRecord& g, Visit visit) {
  for (double cx = g.CentreX[0]; cx < g.CentreX[1] + 0.001; cx += g.CentreX[2]) {
    if (!visit(cx)) return false;
  }
  return true;
}

// The centre Y of the grid from top to bottom.
template <class Visit>
bool ForEachCentreY(const SearchGridRecord& g, Visit visit) {
  for (double cy = g.CentreY[1]; cy > g.CentreY[0] - 0.001; cy -= g.CentreY[2]) {
    if (!visit(cy)) return false;
  }
  return true;
}

// Every radius of the current centre (range g.Radius): from the grain multiple at or below Rmin
// to the one at or above Rmax in steps of dR, each clamped into [Rmin, Rmax]. An empty range
// (Rmin above Rmax) has none.
template <class Visit>
void ForEachRadius(const SearchGridRecord& g, Visit visit) {
  const double rMin = g.Radius[0], rMax = g.Radius[1], dR = g.Radius[2];
  if (rMin > rMax + 0.0001) return;
  const double grain = RadiusGrain(dR);
  double start = rMin, end = rMin;
  if (rMax - rMin >= 0.0001) {
    start = std::floor(rMin / grain) * grain;
    end = std::ceil(rMax / grain) * grain;
  }
  for (double r = start; r < end + 0.0001; r += dR) visit(std::min(std::max(r, rMin), rMax));
}

}  // namespace selvana
