// Arcs of the figure on the screen sweep the angle of the slip surface, also when its two ends
// round to one pixel.
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

// Paper mm are model metres x 10 (A4 at 1:100, lower left corner at the origin).
double DrawnSweep(RecordingCanvas& canvas, double scale, const FigureArc& metres) {
  UseA4Frame(100.0);
  ViewState.Scale = scale;
  canvas.Clear();
  FigureLayout layout;
  layout.Arc({metres.cx * 10, metres.cy * 10, metres.r * 10, metres.fromX * 10, metres.fromY * 10,
              metres.toX * 10, metres.toY * 10});
  EmitOnScreen(layout, kLime);
  int l = 0, t = 0, r = 0, b = 0, x3 = 0, y3 = 0, x4 = 0, y4 = 0;
  if (canvas.Calls().size() != 1 ||
      std::sscanf(canvas.Calls()[0].c_str(), "arc %d %d %d %d %d %d %d %d", &l, &t, &r, &b, &x3,
                  &y3, &x4, &y4) != 8) {
    return -1.0;
  }
  const double cx = (l + r) * 0.5, cy = (t + b) * 0.5;
  const double sweep = std::atan2(cy - y4, x4 - cx) - std::atan2(cy - y3, x3 - cx);
  return (sweep <= 0.0 ? sweep + 2 * std::numbers::pi : sweep) * 180.0 / std::numbers::pi;
}

class FigureScreenTest : public ViewFixture {};

TEST_F(FigureScreenTest, TheArcSweepsTheSlipSurfaceNotTheWholeCircle) {
  EXPECT_NEAR(180.0, DrawnSweep(canvas, 50.0, {10, 8, 6, 4, 8, 16, 8}), 1.0) << "half circle";
  EXPECT_NEAR(340.0, DrawnSweep(canvas, 50.0, {10, 8, 6, 11.042, 2.091, 8.958, 2.091}), 1.0);
  // A 1.3 cm slip surface on a 13.5 m circle, from a model too small for its search grid: at
  // 5 px/m both ends fall on one pixel.
  EXPECT_NEAR(0.05, DrawnSweep(canvas, 5.0, {-2.5, -1.25, 13.5, 10.196, -5.84, 10.2, -5.828}),
              0.05);
}

}  // namespace
}  // namespace selvana::test
