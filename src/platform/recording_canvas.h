// A canvas that draws nothing and records every drawing call as one line of text, with the pen,
// brush or font it was drawn with, so that tests compare pictures as text. Text is measured as
// half the font height per byte (a double-byte character is as wide as the font is high).
#pragma once
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace selvana {

class RecordingCanvas : public Canvas {
 public:
  RecordingCanvas(int width, int height) : width_(width), height_(height) {}

  // The recorded lines, e.g. "line 0 10 200 10 #808080 w1 solid copy",
  // "text 94 38 \"1\" 12 #FF00FF", "fill 0 0 200 100 #000000".
  const std::vector<std::string>& Calls() const { return calls_; }
  // All recorded lines, each ended by "\n".
  std::string Text() const;
  void Clear() { calls_.clear(); }
  void Resize(int width, int height) { width_ = width, height_ = height; }

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void FillRect(int left, int top, int right, int bottom, Rgb colour) override;
  void SetHollowBrush(Rgb colour) override { brush_ = colour; }
  void SetPenColour(Rgb colour) override { penColour_ = colour; }
  void SetPenMode(PenMode mode) override { penMode_ = mode; }
  void SetPenWidth(int width) override { penWidth_ = width; }
  void SetPenStyle(PenStyle style) override { penStyle_ = style; }
  void Line(int x1, int y1, int x2, int y2) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void Ellipse(int left, int top, int right, int bottom) override;
  void Arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) override;
  void SetFont(const std::string& face, int heightPx, Rgb colour) override;
  int TextWidth(std::string_view cp932) override;
  void TextOut(int x, int y, std::string_view cp932) override;

 private:
  void RecordShape(const std::string& shape);

  int width_;
  int height_;
  std::vector<std::string> calls_;
  Rgb brush_ = kBlack;
  Rgb penColour_ = kBlack;
  PenMode penMode_ = PenMode::Copy;
  int penWidth_ = 1;
  PenStyle penStyle_ = kPenSolid;
  std::string fontFace_;
  int fontHeight_ = 0;
  Rgb fontColour_ = kBlack;
};

}  // namespace selvana
