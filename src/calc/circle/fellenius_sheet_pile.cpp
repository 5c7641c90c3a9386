// Sheet-pile resistance of a slip circle: where the pile cuts it, and the moment of the pile's
// shear resistance or of the passive earth pressure over lm1 below the cut.
#include "calc/circle/fellenius_sheet_pile.h"

#include <algorithm>
#include <cmath>

#include "model/geometry.h"
#include "model/project_model.h"

namespace selvana {
namespace {

// Intensity of the pressure row pair r, r + 1 at height y (linear between the rows).
double IntensityAt(int r, double y) {
  const SheetPileSettingsRecord& p = SheetPileSettings;
  return (y - p.Elevation[r]) * (p.Intensity[r + 1] - p.Intensity[r]) /
             (p.Elevation[r + 1] - p.Elevation[r]) +
         p.Intensity[r];
}

}  // namespace

PassivePressureResultant PassivePressureBelow(double yTop, double depth) {
  const SheetPileSettingsRecord& p = SheetPileSettings;
  const double yBottom = yTop - depth;
  // A row count read from a file is not trusted beyond the table.
  const int rows = std::clamp(p.RowCount, 0, kMaxPileRows);
  double force = 0.0;
  double moment = 0.0;
  for (int r = 0; r + 1 < rows; ++r) {
    const double e0 = p.Elevation[r];
    const double e1 = p.Elevation[r + 1];
    const bool reachesBelowTop = e0 < yTop || e1 < yTop;
    const bool reachesAboveBottom = yBottom < e0 || yBottom < e1;
    if (!(reachesBelowTop && reachesAboveBottom)) continue;
    const double yu = e0 <= yTop ? e0 : yTop;
    const double pu = e0 <= yTop ? p.Intensity[r] : IntensityAt(r, yTop);
    const double yl = yBottom <= e1 ? e1 : yBottom;
    const double pl = yBottom <= e1 ? p.Intensity[r + 1] : IntensityAt(r, yBottom);
    force += (yu - yl) * (pu + pl) / 2.0;
    moment +=
        (yu - yl) * pl / 2.0 * (yu + 2.0 * yl) / 3.0 + (yu - yl) * pu / 2.0 * (2.0 * yu + yl) / 3.0;
  }
  if (force <= 0.0001) return {0.0, 0.0};
  return {force, moment / force};
}

bool SheetPileCut(double cx, double cy, double R, double& xp, double& yp) {
  const SheetPileSettingsRecord& p = SheetPileSettings;
  double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0;
  const int hit = IntersectSegmentCircle(p.PileX, p.TopElevation, p.PileX, p.EmbedmentElevation, cx,
                                         cy, R, x1, y1, x2, y2);
  if (hit == 0) {
    const bool secondLower = y2 < y1;
    xp = secondLower ? x2 : x1;
    yp = secondLower ? y2 : y1;
    return true;
  }
  if (hit == 1) {
    xp = x1;
    yp = y1;
    return true;
  }
  if (hit == 2) {
    xp = x2;
    yp = y2;
    return true;
  }
  return false;
}

double SheetPileMoment(double cx, double cy, double R) {
  const SheetPileSettingsRecord& p = SheetPileSettings;
  if (p.Mode != 2 && p.Mode != 3) return 0.0;
  double xp = 0.0, yp = 0.0;
  if (!SheetPileCut(cx, cy, R, xp, yp)) return 0.0;
  const double d = std::sqrt((xp - cx) * (xp - cx) + (yp - cy) * (yp - cy));
  const double cosTheta = d > 0.0 ? std::fabs(cy - yp) / d : 0.0;
  // A cut level with the centre would divide by zero; a secant cut never lies there.
  if (!(cosTheta > 0.0)) return 0.0;
  if (p.Mode == 3) {
    // N/cm2 x cm2/m gives N/m; 0.001 turns it into kN/m.
    return 0.001 * p.AllowableShear * p.SectionArea / cosTheta * R;
  }
  const PassivePressureResultant pr = PassivePressureBelow(yp, p.Lm1);
  return ((R * cosTheta + yp) - pr.yP) * pr.P;
}

}  // namespace selvana
