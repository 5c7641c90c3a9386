// The range of radii tried at one circle centre.
#pragma once

namespace selvana {

// Sets SearchGrid.Radius (Rmin, Rmax, dR) for the centre (cx, cy) from the circle settings of
// the method (Bishop for cm.kt 2 and 4, else Fellenius): with the pass point on, the one radius
// through it with pitch 1.0; otherwise the user's range, Rmin raised to the nearest small
// arc-limit line (kind 3) and beyond every small arc-limit point (kind 5 with equal ends), Rmax
// lowered to the nearest large arc-limit line or point (kinds 4 and 6). Rmin may end above
// Rmax; the search then skips the centre. Returns 0.
int CircleRadiusRange(double cx, double cy);

}  // namespace selvana
