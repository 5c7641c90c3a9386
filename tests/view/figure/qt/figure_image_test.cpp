// The calculated homogeneous sample drawn on the Qt canvas of the offscreen platform: the image
// is saved in the build tree (tests/pictures/) for a person to look at, and the frame and
// the critical circle are drawn where the view transforms put them.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>

#include "calc/results/consolidation.h"
#include "model/project_model.h"
#include "platform/file_lookup.h"
#include "platform/qt/qt_canvas.h"
#include "support/calculated_sample.h"
#include "support/qt/image_checks.h"
#include "support/temp_folder.h"
#include "view/redraw_view.h"
#include "view/view_fitting.h"
#include "view/view_ports.h"
#include "view/view_state.h"

namespace selvana::test {
namespace {

bool LimeNear(const QImage& image, int x, int y) {
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      if (image.pixel(x + dx, y + dy) == qRgb(0, 255, 0)) return true;
    }
  }
  return false;
}

TEST(FigureImageTest, CalculatedSampleIsDrawnAndSaved) {
  QImage image(1200, 800, QImage::Format_RGB32);
  QtCanvas canvas(&image);
  ViewPorts = MainViewPorts{};
  ViewPorts.Image = &canvas;
  ResetViewState();
  const std::string here = CurrentDirectory();
  TempFolder folder;
  ASSERT_TRUE(ChangeDirectory(folder.path()));
  CalculateCircleSample("HOMOGENEOUS");
  FitViewToModel();
  ChangeDirectory(here);
  EXPECT_TRUE(SavePicture(image, "homogeneous_figure.png"));
  ViewPorts = MainViewPorts{};
  int x = 0, y = 0;
  PaperToScreen(0.0, 90.0, x, y);
  EXPECT_TRUE(LimeNear(image, x, y)) << "the left edge of the frame at " << x << ", " << y;
  const SlipResult& c = CriticalResult;
  ModelToScreen(c.cx, c.cy - std::hypot(c.csx - c.cx, c.csy - c.cy), x, y);
  EXPECT_TRUE(LimeNear(image, x, y))
      << "the lowest point of the critical circle at " << x << ", " << y;
}

}  // namespace
}  // namespace selvana::test
