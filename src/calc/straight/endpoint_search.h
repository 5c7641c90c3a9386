// The search of method 5: straight slip lines from every point of a start segment to every point
// of an end segment, in one pass or two (the second around the best pair at a tenth of the
// spacing).
#pragma once

#include "calc/progress/progress.h"

namespace selvana {

// Runs the whole search over StraightSlipSettings' two segments on the model in place: shows the
// progress window, opens each pass's dump file, evaluates every pair of points, polls for a stop
// once per pair, stores every wedge through StoreLineResult2. Points whose X lies outside the
// user's segment (with 1e-7 of slack, so that the computed last point is never lost to rounding)
// are skipped. Passes are held to 1..4. Returns 0 when it ran to its end (also when a spacing of
// 0 or less gives no division: the run entry refuses that first), -1 when the user stopped it.
int SearchSlipLinesByEndpoints(CalcProgress& progress);

// Divisions of the segment (x0, y0)-(x1, y1) at a positive spacing: its length over the
// spacing, rounded down, plus one, so that its points lie at most the spacing apart; held at
// 1e9 or below. The segment has one point more than its divisions.
int SegmentDivisions(double x0, double y0, double x1, double y1, double spacing);

// Fills SurfaceHits with the crossings of the boundary lines with the unbounded line through p
// and q; crossings beyond the X range of p-q are moved onto the nearer end. Sorted (ties ordered
// against px) and with the block of every piece (found at the middle of the piece). Returns 0.
int SlipSegmentSurfaceIntersections(double px, double py, double qx, double qy);

}  // namespace selvana
