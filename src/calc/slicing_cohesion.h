// The level from which cohesion grows with depth (C = K x depth + C0).
#pragma once

namespace selvana {

// The reference Y for a slice from x1 to x2: CohesionRefHeight, or with CohesionRefMode 1 the
// reference line's Y at the slice middle: its first vertex's Y left of the first vertex, its
// last vertex's Y at or beyond the last, linear in between (X taken as ascending). A mode-1
// line without vertices falls back to CohesionRefHeight.
double CohesionReferenceLevel(double x1, double x2);

}  // namespace selvana
