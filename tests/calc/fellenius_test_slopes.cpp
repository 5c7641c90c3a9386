// The slope models of the circle calculation tests.
#include "calc/fellenius_test_slopes.h"

namespace selvana::test {

int BuildHomogeneousSlope(const Soil& soil, bool mirror) {
  const double s = mirror ? -1.0 : 1.0;
  AddBoundaryChain({AddTestPoint(s * -10, 0), AddTestPoint(s * 10, 0), AddTestPoint(s * 30, 10),
                    AddTestPoint(s * 50, 10), AddTestPoint(s * 50, -10),
                    AddTestPoint(s * -10, -10)});
  return AddTestBlock(s * 20, 0, soil);
}

void SetSingleCircle(double cx, double cy, double R) {
  SetOneCircleGrid(FelleniusCircleSettings, cx, cy, R);
}

}  // namespace selvana::test
