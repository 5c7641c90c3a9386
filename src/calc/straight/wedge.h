// The mechanics of a wedge sliding on a straight slip line, shared by both straight-line
// searches: the soil strip of one block above the line, the force terms of one slice and the
// totals of a closed wedge. Everything is a force per metre of slope (kN/m), not a moment.
#pragma once

namespace selvana {

// Y of the current slip line at x: the line through (x0, y0) with the cosine and sine stored in
// LineDirectionFactor; y0 everywhere when the cosine is below 1e-5 (a vertical line).
double SlipLineYAt(double x, double x0, double y0);

// Fills BlockStrips[j] for the slice of width w whose base middle is (xm, ym), from the block's
// heights at both sides of the interval in SliceSideHeights: {xm, 0, 0} when the block is not
// cut at one side; otherwise top and bottom interpolated at xm, each raised to the slip line,
// giving {xm, mid-height, height x w}. alpha (degrees) is the signed slip angle; the line itself
// is read from LineDirectionFactor. Returns 0 (-1 for a slot outside the block table).
int BlockStripAboveLine(int j, double w, double xm, double ym, double x0, double y0, double alpha);

// Fills SliceTerms (here forces, not moments) for the slice on the base (x, y)-(xl, yl) of the
// line from (x0, y0), whose base lies in block slot b, from the strips in BlockStrips:
// friction and cohesion resistance (sand piles by cm.SandPileFormula), weight and surcharge
// drive, the seismic drive and its loss of friction, horizontal forces 1 and 2 in the slice that
// holds StraightSlipSettings.ForceX. Horizontal force 3 acts once per wedge: in its first
// (rightmost) slice, the one computed while CurrentSlipResult has no right end yet, with that
// slice's friction angle. Returns 0.
int SliceForcesStraightLine(double alpha, double x0, double y0, int b, double x, double y,
                            double xl, double yl);

// Closes the wedge in CurrentSlipResult: the water thrust of pressure and weight water on its two
// end faces (unless DrivingForceMode is 1) in the sense of sliding, added to the weight drive on
// the face at the upper end of the base and taken off it on the face at the toe; SlopeDirection
// from LineDirectionFactor; the weight drive taken as its magnitude; mr and md; and, for a wedge
// SurfaceJudged accepts, the safety factor: the no-factor mark 999999.9 when md is 1e-5 or less
// (a negative driving total included: the wedge is not driven), else mr / md truncated, kept as
// computed when zero or negative. Returns 0.
int LineTotals();

}  // namespace selvana
