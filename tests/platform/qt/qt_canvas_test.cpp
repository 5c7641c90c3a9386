// The Qt canvas on an offscreen image: exclusive-or drawing undoes itself pixel for pixel, arcs
// run counter-clockwise on the screen, wide and huge shapes stay safe, and text lands in its box.
#include <gtest/gtest.h>

#include <QFont>
#include <QImage>
#include <algorithm>
#include <cstdint>
#include <string>

#include "platform/qt/qt_canvas.h"
#include "view/primitives.h"
#include "view/qt/main_view_widget.h"
#include "view/view_ports.h"

namespace selvana::test {
namespace {

// An image with a different colour in every pixel, so that any pixel flipped an odd number of
// times shows.
QImage PatternImage(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x)
      image.setPixel(x, y, qRgb((x * 7) & 255, (y * 13) & 255, (x ^ y) & 255));
  }
  return image;
}

int CountDifferent(const QImage& a, const QImage& b) {
  int n = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
  }
  return n;
}

class QtCanvasTest : public ::testing::Test {
 protected:
  void SetUp() override {
    image = PatternImage(120, 80);
    ViewPorts = MainViewPorts{};
    ViewPorts.Image = &canvas;
  }
  void TearDown() override { ViewPorts = MainViewPorts{}; }

  QImage image;
  QtCanvas canvas{&image};
};

TEST_F(QtCanvasTest, ExclusiveOrDrawnTwiceRestoresEveryPixel) {
  const QImage before = image;
  DrawXorRect(10, 10, 60, 40);
  DrawXorLine(-30, 5, 150, 70);   // reaches past the image on both sides
  DrawXorRect(100, 70, 100, 70);  // a rectangle of one pixel
  EXPECT_GT(CountDifferent(before, image), 100);
  DrawXorRect(100, 70, 100, 70);
  DrawXorLine(-30, 5, 150, 70);
  DrawXorRect(10, 10, 60, 40);
  EXPECT_EQ(CountDifferent(before, image), 0);
}

TEST_F(QtCanvasTest, ExclusiveOrRectangleFlipsItsCornersOnce) {
  image.fill(Qt::black);
  DrawXorRect(10, 10, 20, 20);
  EXPECT_EQ(image.pixel(10, 10), qRgb(255, 255, 0));
  EXPECT_EQ(image.pixel(20, 20), qRgb(255, 255, 0));
  EXPECT_EQ(image.pixel(15, 10), qRgb(255, 255, 0));
  EXPECT_EQ(image.pixel(15, 15), qRgb(0, 0, 0));
}

TEST_F(QtCanvasTest, ArcRunsCounterClockwiseAsSeenOnTheScreen) {
  image.fill(Qt::black);
  // From the ray to the right (east) to the ray upwards (north): the upper right quarter.
  DrawScreenArc(60, 40, 30, 100, 40, 60, 0, kRed);
  const QRgb red = qRgb(255, 0, 0);
  int upperRight = 0, elsewhere = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != red) continue;
      (x >= 58 && y <= 42 ? upperRight : elsewhere) += 1;
    }
  }
  EXPECT_GT(upperRight, 30);
  EXPECT_EQ(elsewhere, 0);
}

TEST_F(QtCanvasTest, EqualRaysDrawTheWholeCircle) {
  image.fill(Qt::black);
  DrawScreenArc(60, 40, 20, 90, 40, 90, 40, kLime);
  const QRgb lime = qRgb(0, 255, 0);
  EXPECT_EQ(image.pixel(80, 40), lime);
  EXPECT_EQ(image.pixel(40, 40), lime);
  EXPECT_EQ(image.pixel(60, 20), lime);
  EXPECT_EQ(image.pixel(60, 60), lime);
}

TEST_F(QtCanvasTest, SaturatedCoordinatesDrawTheVisiblePartOnly) {
  image.fill(Qt::black);
  DrawScreenLine(-kPixelLimit, 40, kPixelLimit, 40, 3, kWhite, kPenSolid);
  EXPECT_EQ(image.pixel(0, 40), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(119, 40), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(60, 30), qRgb(0, 0, 0));
  DrawCircleMark(60, 40, kPixelLimit, kWhite);  // too large for the rasteriser: skipped
  DrawScreenLine(kNoPixel, 0, 60, 60, 1, kWhite, kPenSolid);
  EXPECT_EQ(image.pixel(30, 30), qRgb(0, 0, 0));
}

TEST_F(QtCanvasTest, FixedTextIsDrawnInsideItsBox) {
  QFont::insertSubstitution(QString::fromUtf8(kViewFontFace), "UmePlus Gothic");
  image.fill(Qt::black);
  DrawFixedText("12", 60, 40, kWhite, 12.0, 5);  // box 48..72 x 34..46 around (60, 40)
  int inside = 0, outside = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) == qRgb(0, 0, 0)) continue;
      (x >= 53 && x < 67 && y >= 33 && y <= 47 ? inside : outside) += 1;
    }
  }
  EXPECT_GT(inside, 5);
  EXPECT_EQ(outside, 0);
}

// The cell height is what is drawn: no glyph reaches above the top of its cell or below its
// bottom, in the view's face and in a face whose ascent and descent exceed its em height.
TEST_F(QtCanvasTest, TextStaysWithinItsCellHeight) {
  QFont::insertSubstitution(QString::fromUtf8(kViewFontFace), "UmePlus Gothic");
  const std::string glyphs = "Wgj\x81\xA1";  // "Wgj■" in CP932: tall, descending, full width
  for (const char* face : {kViewFontFace, "DejaVu Sans"}) {
    for (const int cell : {9, 12, 24, 40}) {
      image.fill(Qt::black);
      canvas.SetFont(face, cell, kWhite);
      canvas.TextOut(10, 20, glyphs);
      int top = image.height(), bottom = -1;
      for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
          if (image.pixel(x, y) == qRgb(0, 0, 0)) continue;
          top = std::min(top, y), bottom = std::max(bottom, y);
        }
      }
      EXPECT_GE(top, 20) << face << " cell " << cell;
      EXPECT_LT(bottom, 20 + cell) << face << " cell " << cell;
      EXPECT_GE(bottom - top, cell / 2) << face << " cell " << cell << ": glyphs fill the cell";
    }
  }
}

TEST_F(QtCanvasTest, DrawingTellsTheViewOnceUntilTheImageIsShown) {
  int told = 0;
  canvas.SetOnChanged([&told] { ++told; });
  canvas.SetPenColour(kWhite);
  canvas.Line(0, 0, 10, 10);
  canvas.FillRect(0, 0, 5, 5, kRed);
  EXPECT_EQ(1, told) << "one repaint request covers every drawing until the image is shown";
  canvas.Presented();
  canvas.SetPenMode(PenMode::Xor);
  canvas.Line(0, 0, 10, 10);
  EXPECT_EQ(2, told);
  canvas.Presented();
  canvas.Line(-100000, -5, -90000, -5);  // wholly outside: nothing changes, nobody is told
  EXPECT_EQ(2, told);
}

TEST(MainViewWidgetTest, ImageFollowsTheWidgetSizeAndResizeIsForwarded) {
  MainViewWidget view;
  int width = 0, height = 0;
  view.OnResize = [&](int w, int h) { width = w, height = h; };
  view.resize(321, 123);
  view.show();
  EXPECT_EQ(width, 321);
  EXPECT_EQ(height, 123);
  EXPECT_EQ(view.Image().size(), QSize(321, 123));
  EXPECT_EQ(view.ViewCanvas().Width(), 321);
  EXPECT_EQ(view.Image().pixel(10, 10), qRgb(0, 0, 0));
}

}  // namespace
}  // namespace selvana::test
