// Plane geometry on doubles with the tolerances every caller relies on: the parallel test
// (1e-10), the parameter window of a segment (-1e-9 .. 1.000000001), the degenerate length
// (1e-10) and the tangency and end tolerances of the circle intersection (1e-5).
// Coordinates are model metres with Y upward; "left of a→b" is a quarter turn counterclockwise.
#pragma once

namespace selvana {

// True when a coordinate (m) lies where a double still holds every millimetre: |v| x 1000
// below 2^53, about 9e12 m. The DXF import rounds to millimetres, and every way a coordinate
// enters the model keeps to this one range. NaN and infinity are outside it.
bool CoordinateInRange(double v);

// (x2-x1)(x4-x3) + (y2-y1)(y4-y3): dot product of p1→p2 and p3→p4.
double DotProduct2(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                   double y4);

// (x2-x1)(y4-y3) - (y2-y1)(x4-x3): cross product of p1→p2 and p3→p4.
double CrossProduct2(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                     double y4);

// Intersection of the lines a-b and c-d. -1 parallel (outputs untouched); else 0 on both
// segments, 1 outside a-b only, 2 outside c-d only, 3 outside both, with the point in x, y.
int IntersectSegments(double ax, double ay, double bx, double by, double cx, double cy, double dx,
                      double dy, double& x, double& y);

// Foot of the perpendicular from p onto line a-b: -1 degenerate a-b, 0 on the segment (ends
// included), 1 outside it; the foot is written unless degenerate.
int PerpendicularFoot(double ax, double ay, double bx, double by, double px, double py, double& fx,
                      double& fy);

// The point on line a→b at distance dist beyond b (before b when negative); -1 degenerate.
int ExtendLinePoint(double ax, double ay, double bx, double by, double dist, double& x, double& y);

// b moved by dist perpendicular to a→b (left for positive dist); -1 degenerate.
int OffsetPointPerpendicular(double ax, double ay, double bx, double by, double dist, double& x,
                             double& y);

// Signed distance of p from line a→b, positive on the left; |p-a| when a-b is degenerate.
double SignedDistanceToLine(double ax, double ay, double bx, double by, double px, double py);

// True when segment a-b crosses the ray from p toward +X: one end above p's level and the other
// at or below it (so a corner on the ray counts once over a closed ring), the crossing right of
// p. A point lies inside a closed ring of segments when an odd number of them cross its ray.
bool CrossesRayToRight(double ax, double ay, double bx, double by, double px, double py);

// Crossings of segment a-b with the circle (c, r). -1 no crossing (or degenerate a-b);
// tangency: 10 on the segment, 11 outside, both points at the foot; secant: 0 both points on
// the segment, 1 only P2 outside, 2 only P1 outside, 3 both outside. P1 lies on the side reached
// by turning centre→foot a quarter turn counterclockwise; when the centre lies on the line
// (within 1e-10) P1 is one radius ahead of the foot along a→b and P2 one radius behind it.
// The end tests differ: P1 and the tangent point are outside from exactly 1e-5 beyond an end,
// P2 only beyond that.
int IntersectSegmentCircle(double ax, double ay, double bx, double by, double cx, double cy,
                           double r, double& x1, double& y1, double& x2, double& y2);

}  // namespace selvana
