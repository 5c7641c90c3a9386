// Plane geometry primitives: products, line and segment intersections, perpendicular feet and
// offsets, and the crossings of a segment with a circle, with the tolerances callers rely on.
#include "model/geometry.h"

#include <algorithm>
#include <cmath>

namespace selvana {
namespace {

// Below this a length (or squared length, where the caller says so) counts as zero.
constexpr double kDegenerate = 1e-10;
// Parameters just outside 0..1 still count as on the segment.
constexpr double kParamLow = -0.000000001;
constexpr double kParamHigh = 1.000000001;
// Tangency and the ends of a segment in the circle crossing.
constexpr double kCircleTolerance = 0.00001;

bool ParamOutside(double t) { return t < kParamLow || t > kParamHigh; }

double Length(double ax, double ay, double bx, double by) {
  return std::sqrt((ax - bx) * (ax - bx) + (ay - by) * (ay - by));
}

// The extent of a segment along its dominant axis (Y when it is at least as tall as wide).
struct AxisRange {
  bool useY;
  double lo;
  double hi;
  double Of(double x, double y) const { return useY ? y : x; }
};

AxisRange DominantAxis(double ax, double ay, double bx, double by) {
  if (std::fabs(ax - bx) <= std::fabs(ay - by)) {
    return {true, std::min(ay, by), std::max(ay, by)};
  }
  return {false, std::min(ax, bx), std::max(ax, bx)};
}

// The two end tests differ on purpose and callers depend on both: the first point (and the
// tangent point) is already outside at exactly the tolerance, the second only beyond it.
bool FirstPointOutside(const AxisRange& r, double v) {
  return v + kCircleTolerance <= r.lo || r.hi + kCircleTolerance <= v;
}

bool SecondPointOutside(const AxisRange& r, double v) {
  return v < r.lo - kCircleTolerance || r.hi < v - kCircleTolerance;
}

}  // namespace

bool CoordinateInRange(double v) {
  constexpr double kMillimetresHeld = 9007199254740992.0;  // 2^53
  return std::fabs(v) * 1000.0 < kMillimetresHeld;
}

double DotProduct2(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                   double y4) {
  return (x2 - x1) * (x4 - x3) + (y2 - y1) * (y4 - y3);
}

double CrossProduct2(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                     double y4) {
  return (x2 - x1) * (y4 - y3) - (y2 - y1) * (x4 - x3);
}

int IntersectSegments(double ax, double ay, double bx, double by, double cx, double cy, double dx,
                      double dy, double& x, double& y) {
  const double k = CrossProduct2(ax, ay, bx, by, cx, cy, dx, dy);
  if (std::fabs(k) < kDegenerate) return -1;
  const double t1 = CrossProduct2(ax, ay, cx, cy, cx, cy, dx, dy) / k;
  const double t2 = CrossProduct2(cx, cy, ax, ay, ax, ay, bx, by) / (-k);
  // The parameter of smaller magnitude gives the more accurate point.
  if (std::fabs(t2) < std::fabs(t1)) {
    x = (1.0 - t2) * cx + t2 * dx;
    y = (1.0 - t2) * cy + t2 * dy;
  } else {
    x = (1.0 - t1) * ax + t1 * bx;
    y = (1.0 - t1) * ay + t1 * by;
  }
  return (ParamOutside(t1) ? 1 : 0) + (ParamOutside(t2) ? 2 : 0);
}

int PerpendicularFoot(double ax, double ay, double bx, double by, double px, double py, double& fx,
                      double& fy) {
  // The squared length is compared with the tolerance here, unlike the other primitives.
  const double l2 = (ax - bx) * (ax - bx) + (ay - by) * (ay - by);
  if (l2 < kDegenerate) return -1;
  const double t = DotProduct2(ax, ay, bx, by, ax, ay, px, py) / l2;
  fx = (1.0 - t) * ax + t * bx;
  fy = (1.0 - t) * ay + t * by;
  return (t > 1.0 || t < 0.0) ? 1 : 0;
}

int ExtendLinePoint(double ax, double ay, double bx, double by, double dist, double& x, double& y) {
  const double l = Length(ax, ay, bx, by);
  if (l < kDegenerate) return -1;
  const double t = (l + dist) / l;
  x = (1.0 - t) * ax + t * bx;
  y = (1.0 - t) * ay + t * by;
  return 0;
}

int OffsetPointPerpendicular(double ax, double ay, double bx, double by, double dist, double& x,
                             double& y) {
  const double l = Length(ax, ay, bx, by);
  if (l < kDegenerate) return -1;
  const double s = dist / l;
  x = bx + s * (-(by - ay));
  y = by + s * (bx - ax);
  return 0;
}

double SignedDistanceToLine(double ax, double ay, double bx, double by, double px, double py) {
  const double l = Length(ax, ay, bx, by);
  if (l < kDegenerate) return Length(px, py, ax, ay);
  return CrossProduct2(ax, ay, bx, by, ax, ay, px, py) / l;
}

bool CrossesRayToRight(double ax, double ay, double bx, double by, double px, double py) {
  if ((ay > py) == (by > py)) return false;
  // The ends lie on both sides of the level, so by - ay is not zero.
  return px < ax + (py - ay) * (bx - ax) / (by - ay);
}

int IntersectSegmentCircle(double ax, double ay, double bx, double by, double cx, double cy,
                           double r, double& x1, double& y1, double& x2, double& y2) {
  double fx = 0.0, fy = 0.0;
  if (PerpendicularFoot(ax, ay, bx, by, cx, cy, fx, fy) < 0) return -1;
  const double d = Length(cx, cy, fx, fy);
  if (d > r) return -1;
  const AxisRange axis = DominantAxis(ax, ay, bx, by);

  if (std::fabs(r - d) < kCircleTolerance) {
    x1 = x2 = fx;
    y1 = y2 = fy;
    return FirstPointOutside(axis, axis.Of(fx, fy)) ? 11 : 10;
  }

  if (d < kDegenerate) {
    // The centre lies on the line: the crossings are one radius either way along a→b.
    const double l = Length(ax, ay, bx, by);
    const double ux = (bx - ax) / l, uy = (by - ay) / l;
    x1 = fx + r * ux;
    y1 = fy + r * uy;
    x2 = fx - r * ux;
    y2 = fy - r * uy;
  } else {
    const double h = std::sqrt(r * r - d * d);
    OffsetPointPerpendicular(cx, cy, fx, fy, h, x1, y1);
    OffsetPointPerpendicular(cx, cy, fx, fy, -h, x2, y2);
  }
  return (FirstPointOutside(axis, axis.Of(x1, y1)) ? 2 : 0) +
         (SecondPointOutside(axis, axis.Of(x2, y2)) ? 1 : 0);
}

}  // namespace selvana
