// The resisting moment of a sheet pile cut by a slip circle: shear resistance (mode 3) or the
// passive earth pressure below the cut (mode 2). Used by the circle totals and the consolidation.
#pragma once

namespace selvana {

// Resultant of the passive-pressure diagram over the band from yTop down to yTop - depth:
// force P (kN/m) and its height yP (0 when P is not above 0.0001).
struct PassivePressureResultant {
  double P = 0.0;
  double yP = 0.0;
};

// The passive pressure of SheetPileSettings' rows (read top down) over the band below yTop.
PassivePressureResultant PassivePressureBelow(double yTop, double depth);

// Where the pile segment cuts the circle (cx, cy, R): the lower of two cuts on the pile, or the
// single one; false when the pile does not cut it (missed, tangent or degenerate).
bool SheetPileCut(double cx, double cy, double R, double& xp, double& yp);

// The pile's resisting moment mry about the centre for the circle (cx, cy, R) with the live
// SheetPileSettings: mode 3 shear, mode 2 passive pressure; 0 for other modes or without a cut.
double SheetPileMoment(double cx, double cy, double R);

}  // namespace selvana
