// The X breakpoints at which the slices of a trial slip surface must begin or end.
#pragma once

namespace selvana {

// Rebuilds SliceBreaksX from the seed x0 (a circle centre X or a line's start X), the X of every
// used point and both ends of every surcharge whose intensity at its left end is above 0:
// sorted descending, values closer than 0.0001 to the last one kept dropped, closed by the
// sentinel -99999999.9 (counted). Returns 0.
int BuildSliceBreaksX(double x0);

// As BuildSliceBreaksX with two seeds (the two ends of a straight slip line). Returns 0.
int BuildSliceBreaksX2(double x0, double x1);

}  // namespace selvana
