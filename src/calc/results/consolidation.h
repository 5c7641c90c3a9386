// The results of a run as the figure, the verdict and the outputs show them: the critical slip
// surface with the sheet-pile term, its safety factor Fmin, and the circles to label.
#pragma once
#include <array>

#include "calc/results/slip_result.h"

namespace selvana {

// Room of the circle list.
inline constexpr int kMaxCircleListEntries = 65536;

// One labelled circle: the best surface of one distinct centre.
struct CircleListEntry {
  double F;
  double CentreX, CentreY;
  double LabelX, LabelY;
  double sx, sy, ex, ey, csx, csy, cex, cey, rr;
  int LabelFlag;  // 1 when the safety factors of its order are drawn, else -1
  int Order;      // grid order or pass 1..4
  int DrawMark;   // 0 here; the figure marks the circles it draws
};

// The surface with the lowest safety factor of all tables, with mry, mr and f recomputed.
extern SlipResult CriticalResult;
// The safety factor of CriticalResult, truncated; what the verdict and the outputs show.
extern double Fmin;
extern std::array<CircleListEntry, kMaxCircleListEntries> CircleList;
// Entries in CircleList after the last consolidation.
extern int CircleListCount;

// With CalcStatus 1 rebuilds CriticalResult, Fmin and CircleList from the result tables and the
// user's model (after the design copy is restored) and returns the number of entries, which it
// also keeps in CircleListCount; a critical surface that carries the no-factor mark keeps it
// as Fmin. Otherwise changes nothing and returns 0. Centres beyond the room of the list are
// not added.
int ConsolidateResults();

// True when a stored surface or the critical one has a moment or a safety factor that is not
// finite: a run whose sums overflowed, which has no result to judge or to write.
bool ResultsOverflowed();

// Back to the state before any run: no critical surface, Fmin 999999.9, an empty list.
void ResetConsolidation();

}  // namespace selvana
