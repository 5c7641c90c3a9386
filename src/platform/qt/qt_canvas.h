// The canvas of the main view on a QImage: copy-mode shapes through QPainter, exclusive-or shapes
// by our own pixel loop (each pixel flipped once, so drawing twice restores the image), and text
// in the view's font drawn without a background, each glyph fitted inside its character cell.
#pragma once
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <functional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/canvas.h"

class QPainter;

namespace selvana {

class QtCanvas : public Canvas {
 public:
  // Draws on *image, which must outlive the canvas; the image may be replaced by assignment.
  explicit QtCanvas(QImage* image) : image_(image) {}

  int Width() const override;
  int Height() const override;
  void FillRect(int left, int top, int right, int bottom, Rgb colour) override;
  void SetHollowBrush(Rgb colour) override;
  void SetPenColour(Rgb colour) override { penColour_ = colour; }
  void SetPenMode(PenMode mode) override { penMode_ = mode; }
  void SetPenWidth(int width) override { penWidth_ = width < 1 ? 1 : width; }
  void SetPenStyle(PenStyle style) override { penStyle_ = style; }
  void Line(int x1, int y1, int x2, int y2) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void Ellipse(int left, int top, int right, int bottom) override;
  void Arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) override;
  void SetFont(const std::string& face, int heightPx, Rgb colour) override;
  int TextWidth(std::string_view cp932) override;
  void TextOut(int x, int y, std::string_view cp932) override;

  // Called once after the first drawing that changes the image since the last Presented(), so
  // the widget showing the image can ask for a repaint.
  void SetOnChanged(std::function<void()> onChanged) { onChanged_ = std::move(onChanged); }
  // The image has been shown; the next drawing calls the change callback again.
  void Presented() { notified_ = false; }

 private:
  void Touched();
  bool Ready() const;
  void PreparePainter(QPainter& painter) const;
  void XorPixels(const std::vector<std::pair<int, int>>& pixels);
  const QImage& Glyph(std::string_view character);

  QImage* image_;
  Rgb penColour_ = kBlack;
  PenMode penMode_ = PenMode::Copy;
  int penWidth_ = 1;
  PenStyle penStyle_ = kPenSolid;
  std::string fontFace_;
  int cellHeight_ = 0;  // the cell height asked for; font_ fits inside it
  int baseline_ = 0;    // from the top of the cell to the baseline of font_
  QFont font_;
  QFontMetrics metrics_{font_};  // of font_, kept: text is measured glyph by glyph
  QColor fontColour_ = Qt::black;
  // The ink of each character drawn so far, by character, colour, cell height and face: cut to
  // its columns and narrowed to fit its cell.
  std::unordered_map<std::string, QImage> glyphs_;
  std::function<void()> onChanged_;
  bool notified_ = false;
};

}  // namespace selvana
