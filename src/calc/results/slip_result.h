// The slip-surface records every search fills: the surface under evaluation, the four result
// tables (one per grid order or pass), the running minimum of an order, and the flags that
// slicing and totals set for the current surface. Plain globals read by the consolidation,
// the figure and the result output.
#pragma once
#include <array>

namespace selvana {

// Records per result table and number of tables (grid orders 1..4, or passes).
inline constexpr int kMaxSlipResults = 65535;
inline constexpr int kSlipResultOrders = 4;

// Ends of a slip surface not yet found, and where a reset puts them.
inline constexpr double kRightEndUnset = -999999.9;
inline constexpr double kLeftEndUnset = 999999.9;

// One slip surface. A plain record without initialisers so the tables cost nothing until
// written; the resets below give every field its start value.
struct SlipResult {
  int order;        // grid order (circles) or pass (lines), 1..4
  double cx, cy;    // circle centre; start point of a straight line
  double dx, dy;    // end point of a method-5 line; left as they were by other methods
  double sx, sy;    // right end (largest X) of the slip surface
  double ex, ey;    // left end (smallest X)
  double csx, csy;  // right end of the part whose base lies in soil or structures (circles)
  double cex, cey;  // left end of that part
  double rr;        // radius, or slip angle in degrees for straight lines
  double mrf, mrc, mry, mr;  // resisting friction, cohesion, sheet pile; their sum
  double mdw, mdh, mdk, md;  // driving weight, horizontal forces, seismic; their sum
  double f;                  // safety factor; kNoSafetyFactor while it has none
  int valid;                 // set to 1 by the resets and by every slice; not read
  double LabelX, LabelY;     // position of the safety-factor label in the figure
};

// The running minimum of the current order or pass.
struct MinSlipRecord {
  double F = 999999.9;
  double cx = 0.0, cy = 0.0, rr = 0.0;
  double EndX = 0.0, EndY = 0.0;  // method 5 only
  int Direction = 1;              // SlopeDirection when it was stored
};

struct SlipMassYRangeRecord {
  double MaxY = -999999.9;
  double MinY = 999999.9;
};

using SlipResultTableArray = std::array<std::array<SlipResult, kMaxSlipResults>, kSlipResultOrders>;

extern thread_local constinit SlipResult CurrentSlipResult;
// Index 0..3 for order or pass 1..4, in the order the surfaces were accepted. Allocated once
// with the program; valid while CalcStatus is 1.
extern SlipResultTableArray SlipResultTable;
extern std::array<int, kSlipResultOrders> SlipResultCount;
// Surfaces accepted while an order's table was full and so not appended (see result_store.h).
extern std::array<int, kSlipResultOrders> SlipResultOverflow;
extern MinSlipRecord MinSlip;

// What became of the surfaces a search offered its stores, for the reason of a run without
// result: all of them, those whose both ends were found (the surface reached the ground), those
// of them driven in the chosen sense of sliding (a driving total above 1e-5), those with a
// safety factor, and those of the latter above MaxSafetyFactor. Only the searching thread
// stores, so one instance counts for every thread.
struct SurfaceTallyRecord {
  int offered = 0;
  int reached = 0;
  int driven = 0;
  int factored = 0;
  int aboveMaximum = 0;
};
extern SurfaceTallyRecord SurfaceTally;

// 1 when the current surface crosses an uncut line or the sheet pile, or enters a structure.
extern thread_local constinit int SlipInvalid;
// Where the slice bases of the current surface lie, as bits of kBaseInSoil (soil or a structure)
// and kBaseElsewhere (water and blocks of any other kind); 0 before its first slice.
enum SliceBaseBits : int { kBaseInSoil = 1, kBaseElsewhere = 2 };
extern thread_local constinit int SlipSliceBases;
// True when the totals give the current surface a safety factor: SlipInvalid is 0 and not every
// slice base lies outside soil. A surface wholly in water has nothing that could slide, so no
// method judges it: it keeps the no-factor mark, never the critical factor of a verdict.
inline bool SurfaceJudged() { return SlipInvalid == 0 && SlipSliceBases != kBaseElsewhere; }
// Max and min Y of the soil strips of the current surface.
extern thread_local constinit SlipMassYRangeRecord SlipMassYRange;
// Sense of sliding of the surface just completed: +1 towards smaller X, -1 towards larger X.
extern thread_local constinit int SlopeDirection;

// Resets of CurrentSlipResult for a new surface (order0 and pass0 are 0-based; the record gets
// order0 + 1). All clear SlipMassYRange, SlipInvalid and SlipSliceBases. Return 0.
// A circle: centre, radius, both pairs of ends unset, the eight moment terms 0.
int ResetCircleRecord(int order0, double cx, double cy, double r);
// A straight line from (x0, y0) at angle: as the circle, but csx..cey and mry stay as they are.
int ResetLineRecord(int pass0, double x0, double y0, double angle);
// A method-5 line: as ResetLineRecord, with its end point; rr takes the search's current angle.
int ResetLineRecord2(int pass0, double x0, double y0, double dx, double dy, double angle);

// The running minimum of a new order or pass: F 999999.9, direction 1, positions 0.
void ResetMinSlip();
// Empties the table of order (1..4) before a search fills it; other values do nothing.
void ClearSlipResults(int order);

// The project reset of the sliding senses: SlopeDirection and MinSlip's direction := 0.
void ResetSlidingSenses();

// Everything above to its start (counts and tally 0, minimum and flags reset); the table
// contents stay.
void ResetSlipResultState();

}  // namespace selvana
