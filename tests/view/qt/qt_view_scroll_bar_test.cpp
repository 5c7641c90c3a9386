// The scroll-bar adapter: the view sets a QScrollBar without firing the window's handlers.
#include <gtest/gtest.h>

#include <QScrollBar>

#include "view/qt/qt_view_scroll_bar.h"

namespace selvana::test {
namespace {

TEST(QtViewScrollBarTest, SettingThroughTheViewEmitsNoChange) {
  QScrollBar bar(Qt::Horizontal);
  int changes = 0;
  QObject::connect(&bar, &QScrollBar::valueChanged, [&](int) { ++changes; });
  QtViewScrollBar view(&bar);
  view.SetMin(-50);
  view.SetMax(50);
  view.SetPosition(20);
  view.SetLargeChange(10);
  view.SetSmallChange(1);
  view.SetMin(30);  // clamps the position without a signal as well
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(view.Position(), 30);
  EXPECT_EQ(view.Min(), 30);
  EXPECT_EQ(view.Max(), 50);
  bar.setValue(40);  // the user's move still reaches the handler
  EXPECT_EQ(changes, 1);
}

}  // namespace
}  // namespace selvana::test
