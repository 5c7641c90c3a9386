// The transforms between model metres, screen pixels and figure paper millimetres, and their
// saturation on values no pixel can hold.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/project_model.h"
#include "view/figure_frame.h"
#include "view/view_state.h"
#include "view_test_support.h"

namespace selvana::test {
namespace {

class ViewTransformTest : public ViewFixture {};

struct ScreenCase {
  const char* name;
  double x, y;
  double originX, originY, scale;
  int sx, sy;  // exact: the transform truncates, so there is no tolerance
};

// Image 200 x 100: centre (100, 50).
const ScreenCase kScreenCases[] = {
    {"origin maps to centre", 0.0, 0.0, 0.0, 0.0, 1.0, 100, 50},
    {"1.95 rounds up by the 0.1 nudge", 1.95, 0.0, 0.0, 0.0, 1.0, 102, 50},
    {"-1.95 truncates toward zero", -1.95, 0.0, 0.0, 0.0, 1.0, 99, 50},
    {"model Y grows upwards", 0.0, 1.95, 0.0, 0.0, 1.0, 100, 48},
    {"negative Y goes down", 0.0, -1.95, 0.0, 0.0, 1.0, 100, 51},
    {"origin and scale", 12.0, 7.0, 10.0, 5.0, 50.0, 200, -50},
};

TEST_F(ViewTransformTest, ModelToScreenTruncatesWithTheNudgeOnThePositiveSide) {
  for (const ScreenCase& c : kScreenCases) {
    ViewState.OriginX = c.originX;
    ViewState.OriginY = c.originY;
    ViewState.Scale = c.scale;
    int sx = 0, sy = 0;
    EXPECT_EQ(ModelToScreen(c.x, c.y, sx, sy), 0);
    EXPECT_EQ(sx, c.sx) << c.name;
    EXPECT_EQ(sy, c.sy) << c.name;
  }
}

TEST_F(ViewTransformTest, ScreenToModelReturnsThePointToWithinOnePixel) {
  ViewState.OriginX = 3.3;
  ViewState.OriginY = -7.1;
  ViewState.Scale = 13.7;
  const double points[][2] = {{0.0, 0.0}, {1.234, -5.678}, {-20.02, 11.11}, {3.3, -7.1}};
  for (const auto& p : points) {
    int sx = 0, sy = 0;
    ModelToScreen(p[0], p[1], sx, sy);
    double x = 0.0, y = 0.0;
    EXPECT_EQ(ScreenToModel(sx, sy, x, y), 0);
    // One pixel is 1 / Scale metres: truncation loses less than that.
    EXPECT_NEAR(x, p[0], 1.0 / ViewState.Scale);
    EXPECT_NEAR(y, p[1], 1.0 / ViewState.Scale);
  }
}

TEST_F(ViewTransformTest, PaperMillimetresCountFromTheFrameCornerAtTheFigureScale) {
  DrawSettings.PaperSize = 1;  // 260 x 180 mm
  DrawSettings.ScaleDenominator = 200.0;
  DrawSettings.FrameCentreX = 10.0;
  DrawSettings.FrameCentreY = 20.0;
  ComputeFigureFrame();
  ViewState.Scale = 2.0;
  // 10 mm at 1:200 is 2 m; the frame's lower left corner is (10 - 26, 20 - 18).
  int sx = 0, sy = 0, mx = 0, my = 0;
  PaperToScreen(10.0, 10.0, sx, sy);
  ModelToScreen(-16.0 + 2.0, 2.0 + 2.0, mx, my);
  EXPECT_EQ(sx, mx);
  EXPECT_EQ(sy, my);
}

TEST_F(ViewTransformTest, HugeAndNonFiniteValuesSaturateOrAreMarkedNotDrawn) {
  ViewState.Scale = 1e300;
  int sx = 0, sy = 0;
  ModelToScreen(1e10, -1e10, sx, sy);
  EXPECT_EQ(sx, kPixelLimit);
  EXPECT_EQ(sy, kPixelLimit);
  ModelToScreen(-std::numeric_limits<double>::infinity(), 0.0, sx, sy);
  EXPECT_EQ(sx, -kPixelLimit);
  ModelToScreen(std::nan(""), 0.0, sx, sy);
  EXPECT_EQ(sx, kNoPixel);
  EXPECT_FALSE(IsDrawnPixel(sx));
  EXPECT_FALSE(IsDrawnPixel(sx + 2));
  EXPECT_TRUE(IsDrawnPixel(-kPixelLimit - kPixelLimit));
}

TEST_F(ViewTransformTest, ResetTakesTheImageSizeAndTheStartingScale) {
  canvas.Resize(301, 151);
  ViewState.Scale = 7.0;
  ViewState.OriginX = 4.0;
  ResetProjectData();
  EXPECT_EQ(ViewState.ImageWidth, 301);
  EXPECT_EQ(ViewState.ImageHeight, 151);
  EXPECT_EQ(ViewState.CentreX, 150);
  EXPECT_EQ(ViewState.CentreY, 75);
  EXPECT_EQ(ViewState.Scale, 50.0);
  EXPECT_EQ(ViewState.OriginX, 0.0);
}

TEST_F(ViewTransformTest, AResizedImageKeepsOriginAndScaleAndIgnoresAnEmptySize) {
  ViewState.OriginX = 5.0;
  ViewState.Scale = 3.0;
  ViewImageResized(400, 300);
  EXPECT_EQ(ViewState.CentreX, 200);
  EXPECT_EQ(ViewState.CentreY, 150);
  ViewImageResized(0, 0);
  EXPECT_EQ(ViewState.ImageWidth, 400);
  EXPECT_EQ(ViewState.OriginX, 5.0);
  EXPECT_EQ(ViewState.Scale, 3.0);
}

struct FrameCase {
  const char* name;
  int paperSize;
  double halfWidthMm, halfHeightMm;
};

const FrameCase kFrameCases[] = {
    {"A4 landscape", 1, 130.0, 90.0},
    {"B4 landscape", 2, 160.0, 110.0},
    {"A3 as the settings dialog stores it", 0, 190.0, 130.0},
    {"A3", 3, 190.0, 130.0},
};

TEST_F(ViewTransformTest, FigureFrameFollowsPaperSizeScaleAndCentre) {
  DrawSettings.ScaleDenominator = 100.0;
  DrawSettings.FrameCentreX = 50.0;
  DrawSettings.FrameCentreY = -5.0;
  for (const FrameCase& c : kFrameCases) {
    DrawSettings.PaperSize = c.paperSize;
    ComputeFigureFrame();
    // Sums of a few decimal products: a few ulps at most.
    constexpr double kTol = 1e-9;
    EXPECT_EQ(FigureFrame.HalfWidthMm, c.halfWidthMm) << c.name;
    EXPECT_NEAR(FigureFrame.Left, 50.0 - c.halfWidthMm * 0.1, kTol) << c.name;
    EXPECT_NEAR(FigureFrame.Right, 50.0 + c.halfWidthMm * 0.1, kTol) << c.name;
    EXPECT_NEAR(FigureFrame.Bottom, -5.0 - c.halfHeightMm * 0.1, kTol) << c.name;
    EXPECT_NEAR(FigureFrame.Top, -5.0 + c.halfHeightMm * 0.1, kTol) << c.name;
    EXPECT_NEAR(FigureFrame.BandLeft, FigureFrame.Left + 1.0, kTol) << c.name;
    EXPECT_NEAR(FigureFrame.BandBottom, FigureFrame.Bottom + 1.0, kTol) << c.name;
    EXPECT_NEAR(FigureFrame.BandTop, FigureFrame.Top - 1.0, kTol) << c.name;
    EXPECT_EQ(FigureFrame.BandRight, FigureFrame.Right) << c.name;
  }
}

}  // namespace
}  // namespace selvana::test
