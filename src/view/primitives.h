// The six drawing primitives of the main view, in screen pixels on the installed canvas: two
// yellow exclusive-or rubber bands, and lines, circle marks, arcs and fixed-cell text in copy
// mode. Shapes are never filled. Each returns 0; without a canvas nothing is drawn.
#pragma once
#include <span>
#include <string_view>

#include "platform/canvas.h"

namespace selvana {

// Which point of a text's box lies at (x, y).
enum TextAnchor : int {
  kAnchorBottomCentre = 1,
  kAnchorTopCentre = 2,
  kAnchorBottomLeft = 3,
  kAnchorBottomRight = 4,
  kAnchorCentre = 5,
  kAnchorMiddleLeft = 6,
  kAnchorMiddleRight = 7,
  // Any other code: top left.
};

// The rubber-band rectangle with corners (x1, y1) and (x2, y2); drawing it twice removes it.
int DrawXorRect(int x1, int y1, int x2, int y2);
// The rubber-band segment; drawing it twice removes it.
int DrawXorLine(int x1, int y1, int x2, int y2);
// A segment with the given pen width, colour and style (PenStyle).
int DrawScreenLine(int x1, int y1, int x2, int y2, int width, Rgb colour, int style);
// A circle of radius r pixels around (x, y), 1 px solid.
int DrawCircleMark(int x, int y, int r, Rgb colour);
// The arc of radius r around (x, y) from the ray through (x3, y3) counter-clockwise (on screen)
// to the ray through (x4, y4), 1 px solid.
int DrawScreenArc(int x, int y, int r, int x3, int y3, int x4, int y4, Rgb colour);

// A vertical rule of a table at column x from row top to row bottom (pixels).
struct VerticalRule {
  int x, top, bottom;
};

// A CP932 text h pixels high placed by its anchor, one cell per character: a double-byte
// character takes a cell h wide, any other byte a cell h/2 wide (a lead byte at the very end
// counts as a single byte), and each character is centred in its cell. So a label's width is its
// byte count times h/2, whatever the glyphs measure. Nothing is drawn below a height of 1 px.
// A glyph whose ink (as Canvas::TextWidth gives it) lies on or beside one of the rules that
// cross the text's rows moves a pixel to the side where it does not, when it stays inside its
// cell there.
int DrawFixedText(std::string_view cp932, int x, int y, Rgb colour, double h, int anchor,
                  std::span<const VerticalRule> rules = {});

}  // namespace selvana
