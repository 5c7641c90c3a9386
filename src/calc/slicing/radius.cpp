// Radius range of one circle centre: the user's range narrowed by the arc-limit lines and points.
#include "calc/slicing/radius.h"

#include <algorithm>
#include <cmath>

#include "calc/run_data.h"
#include "model/geometry.h"
#include "model/project_model.h"

namespace selvana {

namespace {

double PointDistance(double cx, double cy, const PointRecord& p) {
  return std::sqrt((p.X - cx) * (p.X - cx) + (p.Y - cy) * (p.Y - cy));
}

// Distance from the centre to the segment a-b: perpendicular when its foot lies on the segment,
// else to the nearer end.
double SegmentDistance(double cx, double cy, const PointRecord& a, const PointRecord& b) {
  double fx, fy;
  if (PerpendicularFoot(a.X, a.Y, b.X, b.Y, cx, cy, fx, fy) == 0) {
    return std::fabs(SignedDistanceToLine(a.X, a.Y, b.X, b.Y, cx, cy));
  }
  return std::min(PointDistance(cx, cy, a), PointDistance(cx, cy, b));
}

bool EndsValid(const LineRecord& line) {
  return line.P1 >= 0 && line.P1 < kMaxPoints && line.P2 >= 0 && line.P2 < kMaxPoints;
}

// Distance from the centre to an arc-limit line: a line whose two ends are one point slot is a
// level (|Y - cy|) when levelWhenSingle, else that point; any other line is a segment.
double LimitDistance(double cx, double cy, const LineRecord& line, bool levelWhenSingle) {
  const PointRecord& a = PointTable[line.P1];
  const PointRecord& b = PointTable[line.P2];
  if (line.P1 == line.P2) return levelWhenSingle ? std::fabs(a.Y - cy) : PointDistance(cx, cy, a);
  return SegmentDistance(cx, cy, a, b);
}

struct RadiusRange {
  double min, max;
};

// The user's range narrowed by the arc-limit lines and points, in the order: small lines,
// small points, large lines and points.
RadiusRange LimitedRange(double cx, double cy, const CircleSearchSettings& s) {
  const double userMin = s.Radius[0];
  const double userMax = s.Radius[1];
  double d3 = userMax;
  bool anySmallLine = false;
  double pointMin = -HUGE_VAL;
  double d46 = userMax;
  bool anyLarge = false;
  for (int i = 0; i < std::min(LineCount, kMaxLines); ++i) {
    const LineRecord& line = LineTable[i];
    if (!EndsValid(line)) continue;
    if (line.Kind == kLineSmallArcLimit) {
      d3 = std::min(d3, LimitDistance(cx, cy, line, true));
      anySmallLine = true;
    } else if (line.Kind == kLineSmallArcLimitPoint && line.P1 == line.P2) {
      pointMin = std::max(pointMin, PointDistance(cx, cy, PointTable[line.P1]));
    } else if (line.Kind == kLineLargeArcLimit || line.Kind == kLineLargeArcLimitPoint) {
      d46 = std::min(d46, LimitDistance(cx, cy, line, line.Kind == kLineLargeArcLimit));
      anyLarge = true;
    }
  }
  RadiusRange r{userMin, userMax};
  if (anySmallLine) r.min = std::max(userMin, d3);
  r.min = std::max(r.min, pointMin);
  if (anyLarge) r.max = std::min(userMax, d46);
  return r;
}

}  // namespace

int CircleRadiusRange(double cx, double cy) {
  const CircleSearchSettings& s = CircleSettingsFor(cm.kt);
  auto& radius = RunData.SearchGrid.Radius;
  if (s.PassPointOn == 1) {
    const double d = std::sqrt((s.PassPointX - cx) * (s.PassPointX - cx) +
                               (s.PassPointY - cy) * (s.PassPointY - cy));
    radius = {d, d, 1.0};
    return 0;
  }
  const RadiusRange r = LimitedRange(cx, cy, s);
  radius = {r.min, r.max, s.Radius[2]};
  return 0;
}

}  // namespace selvana
