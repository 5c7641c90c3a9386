// One layer of the calculation figure as plain drawing items in paper millimetres from the lower
// left corner of the figure frame, free of any canvas: the screen and the plot file render the
// same layout, each with its own emitter.
#pragma once
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace selvana {

// A straight segment; the pen width is in screen pixels (the plot ignores it).
struct FigureLine {
  double x1, y1, x2, y2;
  int widthPx = 1;
  int style = 0;  // PenStyle
};

// A CP932 text placed by its anchor (TextAnchor of the drawing primitives) at (x, y), height mm.
// A ruled text stands in a table: the screen moves a glyph a pixel within its cell where that
// keeps its ink off the layout's vertical lines.
struct FigureText {
  std::string text;
  double x, y;
  double height;
  int anchor;
  bool ruled = false;
};

// The arc of radius r around (cx, cy) from the ray through (fromX, fromY) counter-clockwise (as
// seen on the screen) to the ray through (toX, toY).
struct FigureArc {
  double cx, cy, r;
  double fromX, fromY, toX, toY;
};

// A small circle of a fixed screen radius, marking a point.
struct FigureMark {
  double x, y;
  int radiusPx;
};

using FigureItem = std::variant<FigureLine, FigureText, FigureArc, FigureMark>;

// The items of one layer in drawing order.
class FigureLayout {
 public:
  void Line(double x1, double y1, double x2, double y2, int widthPx = 1, int style = 0);
  void Text(std::string cp932, double x, double y, double height, int anchor, bool ruled = false);
  void Arc(const FigureArc& arc) { items_.emplace_back(arc); }
  void Mark(double x, double y, int radiusPx) { items_.emplace_back(FigureMark{x, y, radiusPx}); }

  const std::vector<FigureItem>& Items() const { return items_; }
  bool Empty() const { return items_.empty(); }
  void Clear() { items_.clear(); }

 private:
  std::vector<FigureItem> items_;
};

// Bottom-left anchor code, the one most figure texts use.
inline constexpr int kFigureAnchorBottomLeft = 3;
inline constexpr int kFigureAnchorCentre = 5;
inline constexpr int kFigureAnchorTopLeft = 0;  // as any code without an anchor of its own

// Byte length of a CP932 text as the figure measures it (one cell of h/2 per byte).
inline double ByteLength(std::string_view cp932) { return static_cast<double>(cp932.size()); }

// Paper millimetres of a model point on the figure laid out in FigureFrame.
double PaperX(double modelX);
double PaperY(double modelY);

// The method families the figure tells apart: the straight-line methods (3, 5) draw a line and
// no circles; the Bishop methods (2, 4) show forces per radius and load widths.
bool StraightLineMethod(int methodCode);
bool BishopMethod(int methodCode);

// False when the scale gives no paper (ScaleDenominator 0 or less, or not a number): the paper
// layers then draw nothing rather than divide by zero.
bool PaperUsable();

}  // namespace selvana
