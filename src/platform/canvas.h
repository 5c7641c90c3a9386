// The drawing surface of the main view: pens, a hollow brush, lines, rectangles, ellipses, arcs
// and text in screen pixels. The program draws on a Qt image; tests record the calls as text.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace selvana {

// A 24-bit colour as 0xRRGGBB.
using Rgb = std::uint32_t;

// The colours the view uses.
inline constexpr Rgb kBlack = 0x000000;
inline constexpr Rgb kWhite = 0xFFFFFF;
inline constexpr Rgb kGray = 0x808080;
inline constexpr Rgb kRed = 0xFF0000;
inline constexpr Rgb kLime = 0x00FF00;
inline constexpr Rgb kGreen = 0x008000;
inline constexpr Rgb kBlue = 0x0000FF;
inline constexpr Rgb kYellow = 0xFFFF00;
inline constexpr Rgb kAqua = 0x00FFFF;
inline constexpr Rgb kFuchsia = 0xFF00FF;

// Pen styles, in the order the drawing code numbers them.
enum PenStyle : int {
  kPenSolid = 0,
  kPenDash = 1,
  kPenDot = 2,
  kPenDashDot = 3,
  kPenDashDotDot = 4,
};

// Copy paints the pen colour; exclusive-or flips the pixel bits by the pen colour, so drawing
// the same shape twice gives back the pixels it covered.
enum class PenMode { Copy, Xor };

// The face every text of the view is drawn in (UTF-8 name).
inline constexpr const char* kViewFontFace = "ＭＳゴシック";

// Pixel coordinates handed to a canvas are saturated into ±kPixelLimit, so that a caller may add
// a few offsets without overflowing an int. A coordinate that came from a NaN is kNoPixel; a
// shape with such a coordinate is not drawn (see IsDrawnPixel).
inline constexpr int kPixelLimit = 1 << 28;
inline constexpr int kNoPixel = -(1 << 30);

// False for kNoPixel and for kNoPixel moved by offsets up to kPixelLimit.
constexpr bool IsDrawnPixel(int v) { return v > -(1 << 29) - (1 << 27); }

class Canvas {
 public:
  virtual ~Canvas() = default;

  // Size of the surface in pixels.
  virtual int Width() const = 0;
  virtual int Height() const = 0;

  // Fills the rectangle from (left, top) up to but not including (right, bottom).
  virtual void FillRect(int left, int top, int right, int bottom, Rgb colour) = 0;

  // A brush of the given colour with the clear style: shapes are outlined, never filled.
  virtual void SetHollowBrush(Rgb colour) = 0;

  virtual void SetPenColour(Rgb colour) = 0;
  virtual void SetPenMode(PenMode mode) = 0;
  virtual void SetPenWidth(int width) = 0;
  virtual void SetPenStyle(PenStyle style) = 0;

  // The segment from (x1, y1) to (x2, y2), both ends included.
  virtual void Line(int x1, int y1, int x2, int y2) = 0;
  // The outline of the rectangle with opposite corners (x1, y1) and (x2, y2), corners included.
  virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
  // The ellipse inscribed in the box from (left, top) to (right, bottom).
  virtual void Ellipse(int left, int top, int right, int bottom) = 0;
  // The part of the ellipse of that box from the ray (centre → (x3, y3)) to the ray
  // (centre → (x4, y4)), running counter-clockwise as seen on the screen. Equal rays give the
  // whole ellipse.
  virtual void Arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) = 0;

  // The font of the following text calls: a face name (UTF-8), a cell height in pixels and the
  // text colour. Text is drawn without a background.
  virtual void SetFont(const std::string& face, int heightPx, Rgb colour) = 0;
  // Width in pixels that TextOut takes for a CP932 text in the current font: drawn from x, its
  // ink lies within x + 1 .. x + width - 1. A character never takes more than its cell, half
  // the font height per byte, so that text laid out in such cells keeps every glyph inside its
  // own.
  virtual int TextWidth(std::string_view cp932) = 0;
  // Draws a CP932 text from the left edge x with the top of its cells at y.
  virtual void TextOut(int x, int y, std::string_view cp932) = 0;
};

}  // namespace selvana
