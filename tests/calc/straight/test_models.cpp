// The cross-sections and settings of the straight-line tests.
#include "calc/straight/test_models.h"

#include <cmath>

#include "calc/degree.h"
#include "calc/fellenius_test_slopes.h"

namespace selvana::test {
namespace {

Soil SoilOf(double c, double gamma, double phiDeg, int kind = kBlockSoil) {
  Soil s;
  s.gammaT = gamma;
  s.gammaE = gamma;
  s.c0 = c;
  s.phi = phiDeg;
  s.kind = kind;
  return s;
}

}  // namespace

double CulmannCriticalHeight(double c, double gamma, double betaDeg, double phiDeg) {
  const double beta = betaDeg * kDegree, phi = phiDeg * kDegree;
  return 4.0 * c * std::sin(beta) * std::cos(phi) / (gamma * (1.0 - std::cos(beta - phi)));
}

int BuildSlopeRisingLeft(double H, double betaDeg, double c, double gamma, double phiDeg) {
  const double crestX = -H / std::tan(betaDeg * kDegree);
  AddBoundaryChain({AddTestPoint(10, 0), AddTestPoint(0, 0), AddTestPoint(crestX, H),
                    AddTestPoint(-40, H), AddTestPoint(-40, -10), AddTestPoint(10, -10)});
  return AddTestBlock(0, -5, SoilOf(c, gamma, phiDeg));
}

int BuildSplitBox(int rightKind) {
  const int a = AddTestPoint(0, 0), b = AddTestPoint(10, 0), c = AddTestPoint(20, 0);
  const int d = AddTestPoint(20, 10), e = AddTestPoint(10, 10), f = AddTestPoint(0, 10);
  AddBoundaryChain({a, b, c, d, e, f});
  AddTestLine(kLineBoundary, b, e);
  AddTestBlock(5, 5, SoilOf(10, 18, 20));
  return AddTestBlock(15, 5, SoilOf(10, 18, 20, rightKind));
}

void BuildTwoBoxes() {
  AddBoundaryChain(
      {AddTestPoint(0, 0), AddTestPoint(10, 0), AddTestPoint(10, 10), AddTestPoint(0, 10)});
  AddBoundaryChain(
      {AddTestPoint(15, 0), AddTestPoint(25, 0), AddTestPoint(25, 10), AddTestPoint(15, 10)});
  AddTestBlock(5, 5, SoilOf(10, 18, 20));
  AddTestBlock(20, 5, SoilOf(10, 18, 20));
}

void SetOneAngle(double x0, double y0, double a, int side, int passes) {
  cm.kt = kMethodLineFromPoint;
  StraightSlipSettingsRecord& s = StraightSlipSettings;
  s.PointX[0] = x0;
  s.PointY[0] = y0;
  s.Range = {a, a, 1.0, 0.0};
  s.Side = side;
  s.Passes = passes;
}

void SetSegments(double x0, double y0, double x1, double y1, double x2, double y2, double x3,
                 double y3, double spacing1, double spacing2, int passes) {
  cm.kt = kMethodLineBetweenSegments;
  StraightSlipSettingsRecord& s = StraightSlipSettings;
  s.PointX = {x0, x1, x2, x3};
  s.PointY = {y0, y1, y2, y3};
  s.Range = {spacing1, spacing2, 0.0, 0.0};
  s.Passes = passes;
}

}  // namespace selvana::test
