// The plot file emitter of figure layouts.
#include "output/plot_emitter.h"

#include <string>
#include <variant>

#include "platform/cp932.h"
#include "view/primitives.h"

namespace selvana {
namespace {

// Mark of a circle centre in the plot: 0.5 mm, type 11; arcs run with direction -1.
constexpr double kCentreMarkMm = 0.5;
constexpr int kCentreMarkType = 11;
constexpr int kArcDirection = -1;

// "３" for a text ending in "kN/m3", "２" for "kN/m2", else nullptr.
const char* UnitExponent(std::string_view text) {
  if (text.size() < 5 || text.substr(text.size() - 5, 4) != "kN/m") return nullptr;
  switch (text.back()) {
    case '3': return "３";
    case '2': return "２";
    default: return nullptr;
  }
}

struct PlotEmitter {
  PlotSheet& sheet;
  const PlotEmit& how;

  void operator()(const FigureLine& l) const {
    if (!how.lines) return;
    double x1 = l.x1, y1 = l.y1, x2 = l.x2, y2 = l.y2;
    if (how.clipLines && ClipSegmentToPlotWindow(sheet.clip, x1, y1, x2, y2) < 0) return;
    sheet.file.PltWriteDL(x1, y1, x2, y2, how.layer);
  }
  void operator()(const FigureText& t) const {
    if (!how.texts) return;
    double left = 0.0, bottom = 0.0;
    TextLowerLeft(t.anchor, t.x, t.y, ByteLength(t.text), t.height, left, bottom);
    const char* exponent = how.unitExponents ? UnitExponent(t.text) : nullptr;
    if (exponent) {
      const std::string_view base = std::string_view(t.text).substr(0, t.text.size() - 1);
      PlotTextWithExponent(sheet, base, exponent, left, bottom, t.height, how.layer);
      return;
    }
    sheet.file.PltWriteVJ(left, bottom, t.height, t.height, t.text, 0.0, how.layer);
  }
  // The layout's arc runs from the ray through "from" to the ray through "to"; the plot's from
  // the slip end "to" around the centre to the slip end "from".
  void operator()(const FigureArc& a) const {
    if (!how.lines) return;
    sheet.file.PltWriteGC(a.toX, a.toY, a.cx, a.cy, a.fromX, a.fromY, kArcDirection, how.layer);
  }
  void operator()(const FigureMark& m) const {
    if (!how.lines) return;
    sheet.file.PltWriteAP(m.x, m.y, kCentreMarkMm, kCentreMarkType, how.layer);
  }
};

}  // namespace

void TextLowerLeft(int anchor, double x, double y, double n, double h, double& left,
                   double& bottom) {
  const double w = n * h * 0.5;
  switch (anchor) {
    case kAnchorBottomCentre:
      left = x - w / 2;
      bottom = y;
      break;
    case kAnchorTopCentre:
      left = x - w / 2;
      bottom = y - h;
      break;
    case kAnchorBottomLeft:
      left = x;
      bottom = y;
      break;
    case kAnchorBottomRight:
      left = x - w;
      bottom = y;
      break;
    case kAnchorCentre:
      left = x - w / 2;
      bottom = y - h / 2;
      break;
    case kAnchorMiddleLeft:
      left = x;
      bottom = y - h / 2;
      break;
    case kAnchorMiddleRight:
      left = x - w;
      bottom = y - h / 2;
      break;
    default:
      left = x;
      bottom = y - h;
      break;  // top left
  }
}

void PlotTextWithExponent(PlotSheet& sheet, std::string_view cp932, const char* exponent,
                          double left, double bottom, double h, int layer) {
  sheet.file.PltWriteVJ(left, bottom, h, h, cp932, 0.0, layer);
  const double n = ByteLength(cp932);
  sheet.file.PltWriteVJ(left + n * 0.5 * h, bottom + 0.5 * h, 0.5 * h, 0.5 * h, ToCp932(exponent),
                        0.0, layer);
}

void EmitToPlot(const FigureLayout& layout, PlotSheet& sheet, const PlotEmit& how, int first,
                int last) {
  const auto& items = layout.Items();
  const int size = static_cast<int>(items.size());
  const int end = last < 0 || last > size ? size : last;
  const PlotEmitter emit{sheet, how};
  for (int k = first; k < end; ++k) std::visit(emit, items[k]);
}

}  // namespace selvana
