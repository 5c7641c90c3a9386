// The screen emitter of figure layouts.
#include "view/figure_screen.h"

#include <variant>

#include "view/figure_frame.h"
#include "view/pixels.h"
#include "view/primitives.h"
#include "view/view_state.h"

namespace selvana {
namespace {

struct ScreenEmitter {
  Rgb colour;

  void operator()(const FigureLine& l) const {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    PaperToScreen(l.x1, l.y1, x1, y1);
    PaperToScreen(l.x2, l.y2, x2, y2);
    DrawScreenLine(x1, y1, x2, y2, l.widthPx, colour, l.style);
  }
  void operator()(const FigureText& t) const {
    int x = 0, y = 0;
    PaperToScreen(t.x, t.y, x, y);
    DrawFixedText(t.text, x, y, colour, PaperMmToPixels(t.height), t.anchor);
  }
  void operator()(const FigureArc& a) const {
    int cx = 0, cy = 0, x3 = 0, y3 = 0, x4 = 0, y4 = 0;
    PaperToScreen(a.cx, a.cy, cx, cy);
    PaperToScreen(a.fromX, a.fromY, x3, y3);
    PaperToScreen(a.toX, a.toY, x4, y4);
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
  const ScreenEmitter emit{colour};
  for (const FigureItem& item : layout.Items()) std::visit(emit, item);
}

}  // namespace selvana
