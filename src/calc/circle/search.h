// The walk of a circle search over grid orders, centres and radii, and the cutting of each trial
// circle into pieces and slices. What a slice and a slip surface amount to is the business of the
// circle method handed in, so the Fellenius and the Bishop searches share the whole walk.
#pragma once

#include "calc/progress/progress.h"
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
  // starts a fresh record for the rest of the same circle.
  virtual void CloseSurface(int order0, double cx, double cy, double R) = 0;
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

// Cuts the circle (cx, cy, R) at the ground and the block boundaries, slices every piece under
// soil with strength and closes a slip surface at air, pressure water, soil without strength
// and at the end. A structure or an uncut line makes the current surface invalid. Makes
// (cx, cy, R) the current point and radius of SearchGrid, which the slicing and totals read.
void EvaluateCircle(int order0, double cx, double cy, double R, CircleMethod& method);

// The grain on which the radius loop of a centre starts, from the radius pitch.
double RadiusGrain(double dR);

}  // namespace selvana
