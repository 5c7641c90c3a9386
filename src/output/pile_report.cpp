// The sheet-pile section of the circle writer's minimum report: for passive earth pressure the
// pressure diagram between the cut of the critical circle and the pile's lower bound with its
// resultant and lever, for shear resistance the shear force along the circle. Values that have
// no meaning (no pressure collected, a circle the pile does not reach) are written as 0.
#include <algorithm>
#include <array>
#include <cmath>

#include "model/partial_factors.h"
#include "model/project_model.h"
#include "output/result_family.h"
#include "output/result_matrix.h"
#include "platform/number_format.h"

namespace selvana {
namespace {

// v, or 0 when it is not a finite number.
double Finite(double v) { return std::isfinite(v) ? v : 0.0; }

std::string Fixed(const char* format, double v) { return StrFormat(format, Finite(v)); }

// The angle at the centre between the vertical and the pile's cut of the circle, in radians:
// |asin(|pile X - X| / R)|. A pile beyond the circle has no cut and so no angle: NaN, so that
// the angle and every value that depends on it are written as 0.
double PileAngle() {
  const double r = MinimumResult.rr;
  const double offset = std::fabs(SheetPileSettings.PileX - MinimumResult.cx);
  if (!(r > 0.0) || offset > r) return std::nan("");
  return std::fabs(std::asin(offset / r));
}

double Degrees(double radians) { return radians * 180.0 / M_PI; }

struct PressurePoint {
  double z, p;
};

// The pressure p at elevation z between rows a and b (whose elevations differ).
PressurePoint Interpolate(int a, int b, double z) {
  const auto& e = SheetPileSettings.Elevation;
  const auto& p = SheetPileSettings.Intensity;
  return {z, p[a] + (p[b] - p[a]) * (z - e[a]) / (e[b] - e[a])};
}

// The pressure diagram between lower and cut, from the top down. Every row gives at most one
// point, so the list never outgrows the rows.
struct PressureDiagram {
  std::array<PressurePoint, kMaxPileRows> Point{};
  int Count = 0;
};

PressureDiagram CollectPressure(double cut, double lower) {
  PressureDiagram d;
  const auto& e = SheetPileSettings.Elevation;
  const int rows = std::clamp(SheetPileSettings.RowCount, 0, kMaxPileRows);
  for (int k = 0; k < rows; ++k) {
    if (e[k] > cut && k + 1 < rows) {
      if (e[k + 1] < cut) d.Point[d.Count++] = Interpolate(k, k + 1, cut);
    } else if (lower <= e[k] && e[k] <= cut) {
      d.Point[d.Count++] = {e[k], SheetPileSettings.Intensity[k]};
    } else if (e[k] < lower && k > 0 && e[k - 1] > lower) {
      d.Point[d.Count++] = Interpolate(k - 1, k, lower);
    }
  }
  return d;
}

void WritePassivePressure(PrintDataFile& file, double theta) {
  const MinimumResultRecord& m = MinimumResult;
  const double cut = m.cy - m.rr * std::cos(theta);
  const PressureDiagram d = CollectPressure(cut, cut - SheetPileSettings.Lm1);
  file.Body("SB_CC62.PFM");
  file.Field(0, Fixed("%8.3f", Degrees(theta)));
  file.Field(1, Fixed("%8.3f", SheetPileSettings.Lm1));
  double resultant = 0.0, moment = 0.0;
  for (int i = 0; i < d.Count; ++i) {
    const PressurePoint& a = d.Point[i];
    file.Body("SB_CC63.PFM");
    file.Field(0, Fixed("%8.3f", a.z));
    file.Field(1, Fixed("%8.3f", a.p));
    if (i + 1 == d.Count) break;
    const PressurePoint& b = d.Point[i + 1];
    const double dz = a.z - b.z;
    resultant += dz * a.p / 2 + dz * b.p / 2;
    moment += dz * a.p / 2 * (2 * a.z + b.z) / 3 + dz * b.p / 2 * (2 * b.z + a.z) / 3;
  }
  const double lever = m.cy - moment / resultant;
  const bool factored = PartialFactors.Enabled != 0;
  const double factor = PartialFactors.Factor[kFactorPilePressure];
  file.Body(factored ? "SB_CC66.PFM" : "SB_CC64.PFM");
  file.Field(0, Fixed("%8.3f", resultant));
  file.Field(1, Fixed("%8.3f", lever - m.rr * std::cos(theta)));
  file.Field(2, Fixed("%8.3f", m.rr));
  file.Field(3, Fixed("%8.5f", std::cos(theta)));
  file.Field(4, Fixed("%8.3f", lever));
  const double pileMoment = (factored ? factor : 1.0) * resultant * lever;
  file.Field(5, StrFormat("%10.*f", MomentDecimals(), Finite(pileMoment)));
  if (factored) file.Field(6, Fixed("%8.4f", factor));
}

void WriteShearResistance(PrintDataFile& file, double theta) {
  const SheetPileSettingsRecord& pile = SheetPileSettings;
  const double shear = 0.001 * pile.AllowableShear * pile.SectionArea;  // kN/m
  const double along = shear / std::cos(theta);
  const bool factored = PartialFactors.Enabled != 0;
  const double factor = PartialFactors.Factor[kFactorPileShear];
  file.Body(factored ? "SB_CC65.PFM" : "SB_CC61.PFM");
  file.Field(0, Fixed("%8.3f", Degrees(theta)));
  file.Field(1, Fixed("%8.1f", pile.AllowableShear));
  file.Field(2, Fixed("%8.3f", pile.SectionArea));
  file.Field(3, Fixed("%8.3f", shear));
  file.Field(4, Fixed("%8.5f", std::cos(theta)));
  file.Field(5, Fixed("%8.3f", along));
  file.Field(6, Fixed("%8.3f", MinimumResult.rr));
  const double pileMoment = (factored ? factor : 1.0) * along * MinimumResult.rr;
  file.Field(7, StrFormat("%10.*f", MomentDecimals(), Finite(pileMoment)));
  if (factored) file.Field(8, Fixed("%8.4f", factor));
}

}  // namespace

void WritePileSection(PrintDataFile& file) {
  const double theta = PileAngle();
  if (SheetPileSettings.Mode == 2) WritePassivePressure(file, theta);
  if (SheetPileSettings.Mode == 3) WriteShearResistance(file, theta);
}

}  // namespace selvana
