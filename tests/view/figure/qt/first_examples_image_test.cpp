// The example projects a newcomer opens first, calculated and drawn on the Qt canvas of the
// offscreen platform in the view's face: the frame is drawn where the view puts it, and each
// picture is saved in the build tree (tests/pictures/) for a person to look at.
#include <gtest/gtest.h>

#include <QFont>
#include <QImage>

#include "platform/qt/qt_canvas.h"
#include "support/calculated_sample.h"
#include "support/qt/image_checks.h"
#include "view/figure_frame.h"
#include "view/view_ports.h"
#include "view/view_state.h"

namespace selvana::test {
namespace {

TEST(FirstExamplesImageTest, CalculatedExamplesAreDrawnFramedAndSaved) {
  QFont::insertSubstitution(QString::fromUtf8(kViewFontFace), "UmePlus Gothic");
  for (const std::string name : {"1_SLOPE_SEARCH", "2_FIXED_CIRCLE"}) {
    QImage image(1200, 800, QImage::Format_RGB32);
    QtCanvas canvas(&image);
    ViewPorts = MainViewPorts{};
    ViewPorts.Image = &canvas;
    ResetViewState();
    CalculateAndShowSample(name);
    ViewPorts = MainViewPorts{};
    EXPECT_TRUE(SavePicture(image, name + "_figure.png")) << name;
    int left = 0, top = 0, right = 0, bottom = 0;
    ModelToScreen(FigureFrame.Left, FigureFrame.Top, left, top);
    ModelToScreen(FigureFrame.Right, FigureFrame.Bottom, right, bottom);
    ASSERT_TRUE(image.rect().contains(left, top) && image.rect().contains(right, bottom))
        << name << ": the whole frame is in view";
    for (const QPoint corner : {QPoint(left, top), QPoint(right, bottom)}) {
      EXPECT_EQ(image.pixel(corner), qRgb(0, 255, 0))
          << name << " frame corner " << corner.x() << ", " << corner.y();
    }
  }
}

}  // namespace
}  // namespace selvana::test
