// Surcharge loads and horizontal forces on a ground with a 2 m step at x = 10: the traced
// surface, the diagram and its arrows, end labels, the Bishop width dimension, force arrows and
// the guards that keep a load without width or size from dividing by zero.
#include <gtest/gtest.h>

#include <variant>

#include "calc/results/slip_result.h"
#include "figure_test_support.h"
#include "model/project_model.h"
#include "platform/number_format.h"
#include "view/figure/load_layout.h"
#include "view/view_test_support.h"

namespace selvana::test {
namespace {

class LoadLayoutTest : public FigureFixture {
 protected:
  void SetUp() override {
    FigureFixture::SetUp();
    Point(0, 0.0, 0.0);
    Point(1, 10.0, 0.0);
    Point(2, 10.0, 2.0);
    Point(3, 30.0, 2.0);
    Point(4, 30.0, -10.0);
    Point(5, 0.0, -10.0);
    Outline(0, {0, 1, 2, 3, 4, 5});
    Block(0, 15.0, -5.0);
  }

  static void Load(int i, double xMin, double xMax, double qMin, double qMax) {
    cm.Surcharges.XMin[i] = xMin, cm.Surcharges.XMax[i] = xMax;
    cm.Surcharges.LoadAtXMin[i] = qMin, cm.Surcharges.LoadAtXMax[i] = qMax;
  }

  static std::string Surface(int i) {
    std::string out;
    const LoadSurface& s = LoadSurfaces[i];
    for (int k = 0; k < s.Count; ++k) out += StrFormat("surface %.3f %.3f\n", s.X[k], s.Y[k]);
    return out;
  }
};

// Load 0: 10 kN/m2 over 3 m of flat ground, 30 mm on paper: a diagram 40 mm high and 31 arrows
// 1 mm apart. Load 1: 0 to 20 kN/m2 across the top of the step, Bishop: the left end draws
// nothing, the right end the triangle, its label and the width dimension.
TEST_F(LoadLayoutTest, LoadsAndForcesMatchTheGolden) {
  Load(0, 0.5, 3.5, 10.0, 10.0);
  Load(1, 8.0, 12.0, 0.0, 20.0);
  DrawSettings.SurchargeLabelLeft = {1, 1, 1, -1};  // placed labels (a reset leaves them off)
  DrawSettings.SurchargeLabelRight = {1, 1, 1, -1};
  DrawSettings.SurchargeLeftX[0] = 1.0, DrawSettings.SurchargeLeftY[0] = 5.0;
  DrawSettings.SurchargeRightX[1] = 12.0, DrawSettings.SurchargeRightY[1] = 9.0;
  cm.kt = kMethodBishop;
  std::string dump;
  for (int i = 0; i < 2; ++i) {
    TraceLoadSurface(i, LoadSurfaces[i]);
    dump += StrFormat("# load %d\n", i) + Surface(i);
    for (int side = 1; side <= 2; ++side) {
      FigureLayout layout;
      const int result = LayoutSurchargeLoad(i, side, layout);
      dump += StrFormat("## side %d: %d\n", side, result) + DumpLayout(layout);
      if (i == 0) break;  // both sides of a uniform load draw the same diagram
    }
  }
  MinSlip.Direction = 1;
  const struct {
    double h;
    int place;
  } forces[] = {{-10.0, 0}, {10.0, 1}, {10.0, 2}};
  for (int i = 0; i < 3; ++i) {
    cm.HorizontalForces.H[i] = forces[i].h;
    cm.HorizontalForces.Y[i] = 4.0 + 4.0 * i;
    DrawSettings.ForceLabelX[i] = 20.0;
    DrawSettings.ForceLabelPlace[i] = forces[i].place;
    FigureLayout layout;
    EXPECT_EQ(0, LayoutHorizontalForce(i, layout));
    dump += StrFormat("# force %d: %g kN/m, place %d\n", i, forces[i].h, forces[i].place) +
            DumpLayout(layout);
  }
  ExpectGolden(dump, "view/figure/loads_and_forces.txt");
}

TEST_F(LoadLayoutTest, ArrowsStandAboutOneMillimetreApart) {
  Load(0, 0.5, 3.5, 10.0, 10.0);
  DrawSettings.SurchargeLabelLeft[0] = 1;
  ASSERT_EQ(2, TraceLoadSurface(0, LoadSurfaces[0]));
  FigureLayout layout;
  ASSERT_EQ(0, LayoutSurchargeLoad(0, 1, layout));
  const std::size_t lines = layout.Items().size() - 1;  // the end label is one text
  EXPECT_EQ(1u + 3u * 31u, lines) << "the diagram and 31 arrows of three strokes";
  UseA4(1e-4);  // a scale typed as 1:0.0001 puts the 3 m load 30 km wide on paper
  ASSERT_EQ(2, TraceLoadSurface(0, LoadSurfaces[0]));
  layout.Clear();
  ASSERT_EQ(0, LayoutSurchargeLoad(0, 1, layout));
  EXPECT_LE(layout.Items().size(), 2u + 3u * 100001u) << "the arrows are capped";
}

struct GuardCase {
  const char* name;
  double xMin, xMax, qMin, qMax, size5, h;
  int side, expected;
  std::size_t lines;  // the layout holds these lines and no text
  int kt = kMethodFellenius;
};

const GuardCase kGuards[] = {
    {"no intensity at the left end", 1.0, 3.0, 0.0, 20.0, 4.0, 4.0, 1, -1, 0},
    {"no width", 2.0, 2.0, 10.0, 10.0, 4.0, 4.0, 1, -1, 0},
    {"no diagram size", 1.0, 3.0, 10.0, 10.0, 0.0, 4.0, 1, -1, 0},
    {"no text height: the diagram only", 1.0, 3.0, 10.0, 10.0, 4.0, 0.0, 1, -1, 1},
    {"Bishop without text height: the diagram and the width dimension's seven lines", 1.0, 3.0,
     10.0, 10.0, 4.0, 0.00005, 1, -1, 8, kMethodBishop},
    {"beyond every block", 40.0, 50.0, 10.0, 10.0, 4.0, 4.0, 2, -1, 0},
};

TEST_F(LoadLayoutTest, GuardsDrawNothingOrOnlyTheLines) {
  for (const GuardCase& g : kGuards) {
    Load(0, g.xMin, g.xMax, g.qMin, g.qMax);
    DrawSettings.Sizes[5] = g.size5;
    DrawSettings.Sizes[1] = g.h;
    DrawSettings.SurchargeLabelLeft[0] = 1;
    cm.kt = g.kt;
    TraceLoadSurface(0, LoadSurfaces[0]);
    FigureLayout layout;
    EXPECT_EQ(g.expected, LayoutSurchargeLoad(0, g.side, layout)) << g.name;
    EXPECT_EQ(g.lines, layout.Items().size()) << g.name;
    for (const FigureItem& item : layout.Items()) {
      EXPECT_TRUE(std::holds_alternative<FigureLine>(item)) << g.name;
    }
  }
}

TEST_F(LoadLayoutTest, ForceGuards) {
  cm.HorizontalForces.H[0] = 10.0;
  FigureLayout layout;
  DrawSettings.ForceLabelPlace[0] = -1;
  EXPECT_EQ(-1, LayoutHorizontalForce(0, layout));
  DrawSettings.ForceLabelPlace[0] = 0;
  DrawSettings.Sizes[6] = 0.0;
  EXPECT_EQ(-1, LayoutHorizontalForce(0, layout));
  EXPECT_EQ(-1, LayoutHorizontalForce(3, layout));
  EXPECT_TRUE(layout.Empty());
}

}  // namespace
}  // namespace selvana::test
