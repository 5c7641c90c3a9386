// Arcs of the figure on the screen: the arc drawn between the two rays sweeps the angle of the
// slip surface, also when its ends round to one pixel or to pixels in the wrong order.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>

#include "view/figure/figure_test_support.h"
#include "view/figure_screen.h"
#include "view/view_state.h"
#include "view_test_support.h"

namespace selvana::test {
namespace {

// An A4 frame at 1:100 whose lower left corner is model (0, 0): paper mm are model metres x 10.
class FigureScreenTest : public ViewFixture {
 protected:
  void SetUp() override {
    ViewFixture::SetUp();
    UseA4Frame(100.0);
  }

  // Counter-clockwise sweep on the screen of the one recorded arc, in degrees (0, 360].
  double RecordedSweep() const {
    EXPECT_EQ(1u, canvas.Calls().size());
    if (canvas.Calls().size() != 1) return -1.0;
    int l = 0, t = 0, r = 0, b = 0, x3 = 0, y3 = 0, x4 = 0, y4 = 0;
    EXPECT_EQ(8, std::sscanf(canvas.Calls()[0].c_str(), "arc %d %d %d %d %d %d %d %d", &l, &t, &r,
                             &b, &x3, &y3, &x4, &y4));
    const double cx = (l + r) * 0.5, cy = (t + b) * 0.5;
    double sweep = (std::atan2(cy - y4, x4 - cx) - std::atan2(cy - y3, x3 - cx)) * 180.0 /
                   std::numbers::pi;
    if (sweep <= 0.0) sweep += 360.0;
    return sweep;
  }
};

struct ArcCase {
  const char* name;
  double scale;                 // pixels per metre
  double cx, cy, r;             // model metres
  double fromX, fromY, toX, toY;
  double sweep;                 // degrees the drawn arc must sweep
  double tolerance;             // degrees: what rounding the ends to pixels may cost
};

// The short arc is the slip surface found by a run on a model too small for its search grid: a
// circle of 13.5 m whose part in soil is 1.3 cm long at the corner of the model; at 5 px/m both
// its ends fall on one pixel.
const ArcCase kArcCases[] = {
    {"lower half of a circle", 50.0, 10.0, 8.0, 6.0, 4.0, 8.0, 16.0, 8.0, 180.0, 1.0},
    {"most of a circle", 50.0, 10.0, 8.0, 6.0, 11.042, 2.091, 8.958, 2.091, 340.0, 1.0},
    {"ends on one pixel", 5.0, -2.5, -1.25, 13.5, 10.196, -5.840, 10.200, -5.828, 0.05, 0.05},
};

TEST_F(FigureScreenTest, TheArcSweepsTheSlipSurfaceNotTheWholeCircle) {
  for (const ArcCase& c : kArcCases) {
    SCOPED_TRACE(c.name);
    canvas.Clear();
    ViewState.Scale = c.scale;
    FigureLayout layout;
    layout.Arc({c.cx * 10.0, c.cy * 10.0, c.r * 10.0, c.fromX * 10.0, c.fromY * 10.0, c.toX * 10.0,
                c.toY * 10.0});
    EmitOnScreen(layout, kLime);
    EXPECT_NEAR(c.sweep, RecordedSweep(), c.tolerance);
  }
}

}  // namespace
}  // namespace selvana::test
