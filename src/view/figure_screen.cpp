// The screen emitter of figure layouts.
#include "view/figure_screen.h"

#include <cmath>
#include <numbers>
#include <span>
#include <variant>
#include <vector>

#include "view/figure_frame.h"
#include "view/pixels.h"
#include "view/primitives.h"
#include "view/view_state.h"

namespace selvana {
namespace {

// Counter-clockwise sweep as seen on the screen, in degrees within (0, 360], from direction a to
// direction b (x to the right, y upwards); equal directions sweep the whole circle, as the canvas
// draws an arc between two equal rays.
double SweepDegrees(double ax, double ay, double bx, double by) {
  double sweep = (std::atan2(by, bx) - std::atan2(ay, ax)) * 180.0 / std::numbers::pi;
  if (sweep <= 0.0) sweep += 360.0;
  return sweep;
}

// Distance in pixels at which a ray point keeps its direction to about a millionth of a radian.
constexpr double kFarRayPixels = 1 << 20;

// A pixel far out on the ray from (cx, cy) in the direction (dx, dy) (y upwards).
void FarOnRay(int cx, int cy, double dx, double dy, int& x, int& y) {
  const double length = std::hypot(dx, dy);
  x = SaturatePixel(cx + dx / length * kFarRayPixels);
  y = SaturatePixel(cy - dy / length * kFarRayPixels);
}

struct ScreenEmitter {
  Rgb colour;
  std::vector<VerticalRule> rules;  // the layout's vertical lines, which ruled texts keep off

  void operator()(const FigureLine& l) const {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    PaperToScreen(l.x1, l.y1, x1, y1);
    PaperToScreen(l.x2, l.y2, x2, y2);
    DrawScreenLine(x1, y1, x2, y2, l.widthPx, colour, l.style);
  }
  void operator()(const FigureText& t) const {
    int x = 0, y = 0;
    PaperToScreen(t.x, t.y, x, y);
    DrawFixedText(t.text, x, y, colour, PaperMmToPixels(t.height), t.anchor,
                  t.ruled ? std::span<const VerticalRule>(rules) : std::span<const VerticalRule>());
  }
  void operator()(const FigureArc& a) const {
    int cx = 0, cy = 0, x3 = 0, y3 = 0, x4 = 0, y4 = 0;
    PaperToScreen(a.cx, a.cy, cx, cy);
    PaperToScreen(a.fromX, a.fromY, x3, y3);
    PaperToScreen(a.toX, a.toY, x4, y4);
    // The ends rounded to whole pixels can fall on one ray or swap their order when the arc spans
    // a small angle (a slip surface of a few centimetres on a large circle), and the canvas would
    // then draw the whole circle; such ends move far out along their exact rays.
    const double fromDx = a.fromX - a.cx, fromDy = a.fromY - a.cy;
    const double toDx = a.toX - a.cx, toDy = a.toY - a.cy;
    const double exact = SweepDegrees(fromDx, fromDy, toDx, toDy);
    const double rounded = SweepDegrees(x3 - cx, cy - y3, x4 - cx, cy - y4);
    if (std::abs(rounded - exact) > 180.0) {
      FarOnRay(cx, cy, fromDx, fromDy, x3, y3);
      FarOnRay(cx, cy, toDx, toDy, x4, y4);
    }
    DrawScreenArc(cx, cy, SaturatePixel(PaperMmToPixels(a.r)), x3, y3, x4, y4, colour);
  }
  void operator()(const FigureMark& m) const {
    int x = 0, y = 0;
    PaperToScreen(m.x, m.y, x, y);
    DrawCircleMark(x, y, m.radiusPx, colour);
  }
};

}  // namespace

double PaperMmToPixels(double mm) { return mm * FigureFrame.MetresPerMm * ViewState.Scale; }

void EmitOnScreen(const FigureLayout& layout, Rgb colour) {
  ScreenEmitter emit{colour, {}};
  for (const FigureItem& item : layout.Items()) {
    const auto* l = std::get_if<FigureLine>(&item);
    if (!l || l->x1 != l->x2) continue;
    int x = 0, top = 0, bottom = 0;
    PaperToScreen(l->x1, l->y1, x, top);
    PaperToScreen(l->x2, l->y2, x, bottom);
    emit.rules.push_back({x, top, bottom});
  }
  for (const FigureItem& item : layout.Items()) std::visit(emit, item);
}

}  // namespace selvana
