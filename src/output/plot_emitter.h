// Writes a layout of the calculation figure into the plot file: lines as DL (clipped to the
// drawing area when asked), texts as VJ from the lower left corner of their box, arcs as GC and
// point marks as AP, all on one layer. Where the plot writes a text differently from the screen
// (unit exponents of their own) is an option here.
#pragma once
#include <string_view>

#include "output/plot_figure.h"
#include "view/figure/figure_layout.h"

namespace selvana {

// How a layout's items go to the file.
struct PlotEmit {
  int layer = 0;
  bool clipLines = false;  // lines clipped to the drawing area, left out when they miss it
  bool lines = true;       // lines, arcs and marks
  bool texts = true;
  bool unitExponents = false;  // a unit "kN/m2" or "kN/m3" written as "kN/m" with a raised digit
};

// Writes the items [first, last) of the layout (last -1: to the end).
void EmitToPlot(const FigureLayout& layout, PlotSheet& sheet, const PlotEmit& how, int first = 0,
                int last = -1);

// The lower left corner of a text box n bytes long and h high placed at (x, y) by its anchor,
// in paper mm (y upwards).
void TextLowerLeft(int anchor, double x, double y, double n, double h, double& left,
                   double& bottom);

// A CP932 text h high with its lower left corner at (left, bottom), followed by a full-width
// exponent (UTF-8, e.g. "２") half as high, raised by half the text height.
void PlotTextWithExponent(PlotSheet& sheet, std::string_view cp932, const char* exponent,
                          double left, double bottom, double h, int layer);

}  // namespace selvana
