// The example projects a newcomer opens first, calculated and drawn on the Qt canvas of the
// offscreen platform in the view's face, in the view a maximised main window has on a 1920 x 1080
// and on a 1366 x 768 screen and fitted as opening a project fits it: the whole frame with its
// title band and both rulers is drawn in the view. Each picture is saved in the build tree
// (tests/pictures/) for a person to look at.
#include <gtest/gtest.h>

#include <string>

#include <QFont>
#include <QImage>
#include <QScrollBar>

#include "platform/qt/qt_canvas.h"
#include "support/calculated_sample.h"
#include "support/qt/image_checks.h"
#include "view/figure_frame.h"
#include "view/qt/qt_view_scroll_bar.h"
#include "view/view_ports.h"
#include "view/view_state.h"

namespace selvana::test {
namespace {

// True when some pixel of the area (within the image) is lime, the figure's colour.
bool ShowsLime(const QImage& image, const QRect& area) {
  const QRect r = area.intersected(image.rect());
  for (int y = r.top(); y <= r.bottom(); ++y) {
    for (int x = r.left(); x <= r.right(); ++x) {
      if (image.pixel(x, y) == qRgb(0, 255, 0)) return true;
    }
  }
  return false;
}

TEST(FirstExamplesImageTest, CalculatedExamplesShowTitleBandAndRulersInTheView) {
  QFont::insertSubstitution(QString::fromUtf8(kViewFontFace), "UmePlus Gothic");
  const struct {
    const char* example;
    int width, height;
  } cases[] = {{"1_SLOPE_SEARCH", 1920, 1080},
               {"2_FIXED_CIRCLE", 1920, 1080},
               {"1_SLOPE_SEARCH", 1366, 768},
               {"2_FIXED_CIRCLE", 1366, 768}};
  for (const auto& c : cases) {
    const ControlRect view = MaximisedViewOn(c.width, c.height);
    const std::string name =
        std::string(c.example) + "_" + std::to_string(c.width) + "x" + std::to_string(c.height);
    QImage image(view.Width, view.Height, QImage::Format_RGB32);
    QtCanvas canvas(&image);
    QScrollBar horizontal(Qt::Horizontal), vertical(Qt::Vertical);
    QtViewScrollBar horizontalPort(&horizontal), verticalPort(&vertical);
    ViewPorts = MainViewPorts{};
    ViewPorts.Image = &canvas;
    ViewPorts.HorizontalBar = &horizontalPort;
    ViewPorts.VerticalBar = &verticalPort;
    ResetViewState();
    CalculateAndShowSample(c.example, kExamplesFolder);
    ViewPorts = MainViewPorts{};
    EXPECT_TRUE(SavePicture(image, name + "_figure.png")) << name;
    const FigureFrameRecord& f = FigureFrame;
    int left = 0, top = 0, right = 0, bottom = 0, bandLeft = 0, bandTop = 0, bandBottom = 0;
    ModelToScreen(f.Left, f.Top, left, top);
    ModelToScreen(f.Right, f.Bottom, right, bottom);
    ModelToScreen(f.BandLeft, f.BandTop, bandLeft, bandTop);
    ModelToScreen(f.BandLeft, f.BandBottom, bandLeft, bandBottom);
    ASSERT_TRUE(image.rect().contains(QRect(QPoint(left, top), QPoint(right, bottom))))
        << name << ": the whole frame is in view";
    for (const QPoint corner : {QPoint(left, top), QPoint(right, bottom)}) {
      EXPECT_EQ(image.pixel(corner), qRgb(0, 255, 0))
          << name << " frame corner " << corner.x() << ", " << corner.y();
    }
    // Within each band, clear of its lines: the method's title, the X ruler, the Y ruler.
    const int m = 2;
    EXPECT_TRUE(ShowsLime(image, QRect(QPoint(left + m, top + m), QPoint(right - m, bandTop - m))))
        << name << ": title band";
    EXPECT_TRUE(ShowsLime(
        image, QRect(QPoint(bandLeft + m, bandBottom + m), QPoint(right - m, bottom - m))))
        << name << ": X ruler";
    EXPECT_TRUE(ShowsLime(
        image, QRect(QPoint(left + m, bandTop + m), QPoint(bandLeft - m, bandBottom - m))))
        << name << ": Y ruler";
  }
}

}  // namespace
}  // namespace selvana::test
