// The slip circles of the figure: the geometry of one drawn circle (centre, ends of the slip
// surface in soil, and those ends raised to the ground above them), the store of the circles the
// user marked, and their layouts. The plot file reads SlipGeometry and ArcStore too.
#pragma once
#include <array>

#include "view/figure/figure_layout.h"

namespace selvana {

// Model metres: centre C, P2/P3 the right and left ends of the slip surface in soil, P1/P4 the
// ground above P2/P3.
struct SlipGeometryRecord {
  double Cx = 0.0, Cy = 0.0;
  double P1x = 0.0, P1y = 0.0;
  double P2x = 0.0, P2y = 0.0;
  double P3x = 0.0, P3y = 0.0;
  double P4x = 0.0, P4y = 0.0;
};
extern SlipGeometryRecord SlipGeometry;

inline constexpr int kArcStoreCapacity = 256;
// The store stops after it holds this many circles.
inline constexpr int kArcStoreLimit = 251;

struct ArcStoreRecord {
  int Count = 0;
  std::array<SlipGeometryRecord, kArcStoreCapacity> Circles{};
};
extern ArcStoreRecord ArcStore;

// With valid results, SlipGeometry from CircleList entry i, or from CriticalResult when i is
// negative; for the circle methods the ends are raised to the top of the soil and structure
// blocks above them. Returns 0; -1 (nothing changed) for an index past the list.
int SetSlipGeometry(int i);

// With valid results, refills ArcStore with the marked circles of the list whose centre is not
// the critical one (at most kArcStoreLimit). Returns 0.
int CollectSlipCircles();

// One circle: centre to ground, ground to the slip end, the arc below, and back up to the centre.
void LayoutSlipCircle(const SlipGeometryRecord& g, FigureLayout& out);

// The critical slip: the circle of SlipGeometry, or for the straight-line methods the segment
// between the ends of CriticalResult.
void LayoutCriticalSlip(FigureLayout& out);

// The centre mark of CircleList entry i and its safety factor (Sizes[3] high, unless the entry's
// label flag is negative or the size below 1e-7; with labelAtAnySize, below 0, for the plot,
// which writes the label even 0 high). -1 for an index outside the list.
int LayoutCentreSafetyFactor(int i, FigureLayout& out, bool labelAtAnySize = false);

}  // namespace selvana
