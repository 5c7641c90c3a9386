// The drawing primitives: every shape first takes the hollow black brush, then its pen.
#include "view/primitives.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

#include "platform/cp932.h"
#include "view/pixels.h"
#include "view/view_ports.h"

namespace selvana {
namespace {

bool AllDrawn(std::initializer_list<int> values) {
  return std::all_of(values.begin(), values.end(), IsDrawnPixel);
}

// Brush and pen of a primitive; returns the canvas to draw on, or nullptr.
Canvas* PreparePen(Rgb colour, PenMode mode, int width, int style) {
  Canvas* canvas = ViewCanvas();
  if (!canvas) return nullptr;
  canvas->SetHollowBrush(kBlack);
  canvas->SetPenColour(colour);
  canvas->SetPenMode(mode);
  canvas->SetPenWidth(width);
  const bool known = style >= kPenSolid && style <= kPenDashDotDot;
  canvas->SetPenStyle(known ? static_cast<PenStyle>(style) : kPenSolid);
  return canvas;
}

// Top left corner of a text box w wide and h high placed by its anchor at (x, y).
void AnchorBox(int anchor, double x, double y, double w, double h, double& left, double& top) {
  left = x;
  top = y;
  switch (anchor) {
    case kAnchorBottomCentre: left = x - w / 2, top = y - h; break;
    case kAnchorTopCentre: left = x - w / 2; break;
    case kAnchorBottomLeft: top = y - h; break;
    case kAnchorBottomRight: left = x - w, top = y - h; break;
    case kAnchorCentre: left = x - w / 2, top = y - h / 2; break;
    case kAnchorMiddleLeft: top = y - h / 2; break;
    case kAnchorMiddleRight: left = x - w, top = y - h / 2; break;
    default: break;
  }
}

}  // namespace

int DrawXorRect(int x1, int y1, int x2, int y2) {
  if (!AllDrawn({x1, y1, x2, y2})) return 0;
  if (Canvas* canvas = PreparePen(kYellow, PenMode::Xor, 1, kPenSolid)) {
    canvas->Rectangle(x1, y1, x2, y2);
  }
  return 0;
}

int DrawXorLine(int x1, int y1, int x2, int y2) {
  if (!AllDrawn({x1, y1, x2, y2})) return 0;
  if (Canvas* canvas = PreparePen(kYellow, PenMode::Xor, 1, kPenSolid)) {
    canvas->Line(x1, y1, x2, y2);
  }
  return 0;
}

int DrawScreenLine(int x1, int y1, int x2, int y2, int width, Rgb colour, int style) {
  if (!AllDrawn({x1, y1, x2, y2})) return 0;
  if (Canvas* canvas = PreparePen(colour, PenMode::Copy, width, style)) {
    canvas->Line(x1, y1, x2, y2);
  }
  return 0;
}

int DrawCircleMark(int x, int y, int r, Rgb colour) {
  if (!AllDrawn({x, y, r})) return 0;
  if (Canvas* canvas = PreparePen(colour, PenMode::Copy, 1, kPenSolid)) {
    canvas->Ellipse(OffsetPixel(x, -r), OffsetPixel(y, -r), OffsetPixel(x, r), OffsetPixel(y, r));
  }
  return 0;
}

int DrawScreenArc(int x, int y, int r, int x3, int y3, int x4, int y4, Rgb colour) {
  if (!AllDrawn({x, y, r, x3, y3, x4, y4})) return 0;
  if (Canvas* canvas = PreparePen(colour, PenMode::Copy, 1, kPenSolid)) {
    canvas->Arc(OffsetPixel(x, -r), OffsetPixel(y, -r), OffsetPixel(x, r), OffsetPixel(y, r), x3,
                y3, x4, y4);
  }
  return 0;
}

namespace {

// True when a rule's column lies on or beside the ink of a glyph drawn from x, w wide.
bool TouchesRule(int x, int w, std::span<const int> columns) {
  const long long right = static_cast<long long>(x) + w;
  return std::any_of(columns.begin(), columns.end(), [&](int c) { return c >= x && c <= right; });
}

// Where a glyph w wide, centred at x in the cell from column left up to right, keeps its ink off
// the rules' columns: x itself, or a pixel to either side within the cell.
int OffTheRules(int x, int w, int left, int right, std::span<const int> columns) {
  if (!TouchesRule(x, w, columns)) return x;
  for (const int moved : {x + 1, x - 1}) {
    const bool inCell = moved >= left && static_cast<long long>(moved) + w <= right;
    if (inCell && !TouchesRule(moved, w, columns)) return moved;
  }
  return x;
}

// The columns of the rules that cross the rows from top to bottom.
std::vector<int> RuleColumnsAcross(std::span<const VerticalRule> rules, int top, int bottom) {
  std::vector<int> columns;
  for (const VerticalRule& r : rules) {
    if (std::min(r.top, r.bottom) <= bottom && std::max(r.top, r.bottom) >= top) {
      columns.push_back(r.x);
    }
  }
  return columns;
}

}  // namespace

int DrawFixedText(std::string_view cp932, int x, int y, Rgb colour, double h, int anchor,
                  std::span<const VerticalRule> rules) {
  if (cp932.empty() || !(h >= 1.0) || !std::isfinite(h) || !AllDrawn({x, y})) return 0;
  Canvas* canvas = PreparePen(colour, PenMode::Copy, 1, kPenSolid);
  if (!canvas) return 0;
  canvas->SetFont(kViewFontFace, SaturateInt(h), colour);
  const double width = static_cast<double>(cp932.size()) * h * 0.5;
  double left = 0.0, top = 0.0;
  AnchorBox(anchor, x, y, width, h, left, top);
  const int textTop = SaturatePixel(top);
  const std::vector<int> columns =
      RuleColumnsAcross(rules, textTop, OffsetPixel(textTop, SaturateInt(h)));
  for (std::size_t i = 0; i < cp932.size();) {
    const std::size_t bytes = Cp932CharacterBytes(cp932, i);
    const double cell = static_cast<double>(bytes) * h * 0.5;
    const std::string_view character = cp932.substr(i, bytes);
    const int w = canvas->TextWidth(character);
    const int at = OffTheRules(SaturatePixel(left + cell / 2 - w / 2.0), w, SaturatePixel(left),
                               SaturatePixel(left + cell), columns);
    canvas->TextOut(at, textTop, character);
    left += cell;
    i += bytes;
  }
  return 0;
}

}  // namespace selvana
