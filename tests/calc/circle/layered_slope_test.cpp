// One circle through a layered slope with every term of the circle mechanics at work: cohesion
// growing below a reference line, a lower layer improved with sand piles, a pond at the toe as
// pressure water (it closes the surface and pushes back on its end), a trapezoidal and a
// negative surcharge, seismic force on weight and surcharge, and three horizontal forces. The
// sums are compared with an evaluation written separately from the rules, outside this code.
#include <gtest/gtest.h>

#include <cmath>

#include "calc/circle/fellenius_search.h"
#include "calc/fellenius_test_slopes.h"
#include "calc/progress/headless.h"
#include "calc/results/slip_result.h"
#include "calc/run_data.h"
#include "calc/slicing/breaks.h"
#include "calc/slicing/polygons.h"

namespace selvana {
namespace {

using test::AddTestBlock;
using test::AddTestLine;
using test::AddTestPoint;
using test::Soil;

// Ground (-20,0) (0,0) (4,2) (20,10) (50,10); a layer boundary from (50,4) down to (-20,-2);
// the pond over the toe up to y = 2; the model closed at y = -15.
void BuildLayeredSlopeWithPond(int sandPileFormula) {
  const int p[] = {AddTestPoint(-20, 0),  AddTestPoint(0, 0),     AddTestPoint(20, 10),
                   AddTestPoint(50, 10),  AddTestPoint(50, 4),    AddTestPoint(-20, -2),
                   AddTestPoint(50, -15), AddTestPoint(-20, -15), AddTestPoint(-20, 2),
                   AddTestPoint(4, 2)};
  const int lines[][2] = {{0, 1}, {1, 9}, {9, 2}, {2, 3}, {3, 4}, {4, 5},
                          {4, 6}, {6, 7}, {7, 5}, {5, 0}, {0, 8}, {8, 9}};
  for (const auto& l : lines) AddTestLine(kLineBoundary, p[l[0]], p[l[1]]);
  AddTestBlock(30, 8, Soil{.gammaT = 19, .gammaE = 9, .c0 = 5, .phi = 25, .k = 0.5});
  const int lower = AddTestBlock(0, -8, Soil{.gammaT = 20, .gammaE = 10, .c0 = 20, .phi = 15});
  BlockRecord& improved = BlockTable[lower];
  improved.SandPile = 1;
  improved.ReplacementRatio = 0.3;
  improved.StressRatio = 3.0;
  improved.PileUnitWeight = 20.0;
  improved.PileFrictionAngle = 35.0;
  cm.SandPileFormula = sandPileFormula;
  AddTestBlock(-10, 1,
               Soil{.gammaT = 10, .gammaE = 0, .c0 = 0, .phi = 0, .kind = kBlockPressureWater});

  cm.Surcharges.XMin[0] = 25, cm.Surcharges.XMax[0] = 40;
  cm.Surcharges.LoadAtXMin[0] = 10, cm.Surcharges.LoadAtXMax[0] = 20;
  cm.Surcharges.XMin[1] = 30, cm.Surcharges.XMax[1] = 45;
  cm.Surcharges.LoadAtXMin[1] = -3, cm.Surcharges.LoadAtXMax[1] = -3;
  cm.HorizontalForces.H = {15, 25, 5, 0};
  cm.HorizontalForces.Y = {5, 30, 40, 0};  // inside the mass, above it, and the third
  cm.SeismicCoefficient = 0.1;
  cm.SeismicIncludesSurcharge = 1;
  cm.CohesionRefMode = 1;
  cm.CohesionRefLine.Count = 2;
  cm.CohesionRefLine.X[0] = -20, cm.CohesionRefLine.Y[0] = 10;
  cm.CohesionRefLine.X[1] = 50, cm.CohesionRefLine.Y[1] = 12;
  cm.SliceWidth = 1.0;
}

struct FormulaCase {
  const char* name;
  int formula;
  double mrf, mrc, f;
};

// The circle about (15, 30) with R 32 runs from the crest at x = 39.98 through the improved
// layer and back into the upper one, and leaves the soil into the pond at x = 1.747.
constexpr double kMdw = 35771.442948204414;  // weight and surcharge, less the pond's thrust
constexpr double kMdh = 325.0;               // forces 1 and 3: 15 x 25 - 5 x 10
constexpr double kMdk = 14075.402987982334;
const FormulaCase kCases[] = {
    {"formula_0", 0, 31667.59005120101, 16378.153860301378, 0.957},
    {"formula_1", 1, 32730.35197123599, 16378.153860301378, 0.978},
    {"formula_2", 2, 54418.35092472022, 3641.533182855606, 1.157},
    {"formula_other", 3, 32730.35197123599, 3641.533182855606, 0.724},
};

// Relative 1e-9: both evaluations follow the same rules, but sum and round in their own order.
void ExpectSameSum(double expected, double actual, const char* what) {
  EXPECT_NEAR(expected, actual, 1e-9 * std::fabs(expected))
      << what << ": expected " << expected << ", actual " << actual << ", difference "
      << actual - expected;
}

class CircleLayeredSlope : public test::ScratchFolderTest {};

TEST_F(CircleLayeredSlope, SumsMatchAnIndependentEvaluationForEverySandPileFormula) {
  for (const FormulaCase& c : kCases) {
    SCOPED_TRACE(c.name);
    ResetProjectData();
    ResetCalcRunData();
    BuildLayeredSlopeWithPond(c.formula);
    BuildBlockPolygons();
    BuildSliceBreaksX(15.0);
    SlipResultCount[0] = 0;
    HeadlessProgress progress;
    FelleniusCircleMethod method(progress);
    EvaluateCircle(0, 15.0, 30.0, 32.0, method);
    ASSERT_EQ(1, SlipResultCount[0]);  // the pond piece closes a surface without slices
    const SlipResult& r = SlipResultTable[0][0];
    ExpectSameSum(39.97999199359359, r.sx, "sx");
    ExpectSameSum(1.7469103268782016, r.ex, "ex");
    ExpectSameSum(c.mrf, r.mrf, "mrf");
    ExpectSameSum(c.mrc, r.mrc, "mrc");
    ExpectSameSum(kMdw, r.mdw, "mdw");
    ExpectSameSum(kMdh, r.mdh, "mdh");
    ExpectSameSum(kMdk, r.mdk, "mdk");
    EXPECT_EQ(c.f, r.f);  // at least 6e-5 away from a truncation step
    EXPECT_EQ(1, SlopeDirection);
  }
}

}  // namespace
}  // namespace selvana
