// The recording canvas: drawing calls as text lines for tests.
#include "platform/recording_canvas.h"

#include "platform/number_format.h"

namespace selvana {
namespace {

const char* StyleName(PenStyle style) {
  switch (style) {
    case kPenSolid: return "solid";
    case kPenDash: return "dash";
    case kPenDot: return "dot";
    case kPenDashDot: return "dashdot";
    case kPenDashDotDot: return "dashdotdot";
  }
  return "?";
}

std::string Colour(Rgb c) { return StrFormat("#%06X", static_cast<unsigned>(c & 0xFFFFFF)); }

// Printable ASCII as it is; every other byte (CP932 double-byte halves, katakana) as \xHH.
std::string Escaped(std::string_view bytes) {
  std::string out;
  for (const char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (c >= 0x20 && c < 0x7F && c != '\\' && c != '"') {
      out += static_cast<char>(c);
    } else {
      out += StrFormat("\\x%02X", c);
    }
  }
  return out;
}

}  // namespace

std::string RecordingCanvas::Text() const {
  std::string out;
  for (const std::string& call : calls_) out += call + "\n";
  return out;
}

void RecordingCanvas::FillRect(int left, int top, int right, int bottom, Rgb colour) {
  calls_.push_back(StrFormat("fill %d %d %d %d ", left, top, right, bottom) + Colour(colour));
}

void RecordingCanvas::RecordShape(const std::string& shape) {
  calls_.push_back(shape + " " + Colour(penColour_) + StrFormat(" w%d ", penWidth_) +
                   StyleName(penStyle_) + (penMode_ == PenMode::Xor ? " xor" : " copy"));
}

void RecordingCanvas::Line(int x1, int y1, int x2, int y2) {
  RecordShape(StrFormat("line %d %d %d %d", x1, y1, x2, y2));
}

void RecordingCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  RecordShape(StrFormat("rect %d %d %d %d", x1, y1, x2, y2));
}

void RecordingCanvas::Ellipse(int left, int top, int right, int bottom) {
  RecordShape(StrFormat("ellipse %d %d %d %d", left, top, right, bottom));
}

void RecordingCanvas::Arc(int left, int top, int right, int bottom, int x3, int y3, int x4,
                          int y4) {
  RecordShape(StrFormat("arc %d %d %d %d %d %d %d %d", left, top, right, bottom, x3, y3, x4, y4));
}

void RecordingCanvas::SetFont(const std::string& face, int heightPx, Rgb colour) {
  fontFace_ = face;
  fontHeight_ = heightPx;
  fontColour_ = colour;
}

int RecordingCanvas::TextWidth(std::string_view cp932) {
  return static_cast<int>(cp932.size()) * fontHeight_ / 2;
}

void RecordingCanvas::TextOut(int x, int y, std::string_view cp932) {
  calls_.push_back(StrFormat("text %d %d \"", x, y) + Escaped(cp932) +
                   StrFormat("\" %d ", fontHeight_) + Colour(fontColour_));
}

}  // namespace selvana
