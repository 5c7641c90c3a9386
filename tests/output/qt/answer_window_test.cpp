// The result window: one tab per order with records, each tab its own order, the minimum red.
#include "output/qt/AnswerTbl.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QTabBar>
#include <QTableWidget>

#include "calc/results/slip_result.h"

namespace selvana {
namespace {

void Add(int order, double cx, double cy, double f) {
  SlipResult& r = SlipResultTable[order - 1][SlipResultCount[order - 1]++];
  r = SlipResult{};
  r.cx = cx;
  r.cy = cy;
  r.f = f;
}

std::string Cell(const TAns_Frm& window, int row, int column) {
  return window.StringGrid1()->item(row, column)->text().toStdString();
}

TEST(AnswerWindow, TabsFollowTheOrdersWithRecordsAndShowTheirOwnOrder) {
  Add(2, 4, 5, 1.25);
  Add(2, 6, 5, 1.5);
  Add(3, 7, 8, 2.0);
  TAns_Frm window;
  window.show();
  ASSERT_EQ(window.TabControl1()->count(), 2);
  EXPECT_EQ(window.TabControl1()->tabText(0).toStdString(), "２次格子");
  EXPECT_EQ(window.TabControl1()->tabText(1).toStdString(), "３次格子");
  EXPECT_EQ(Cell(window, 1, 1), "1.250");
  EXPECT_EQ(window.StringGrid1()->item(1, 1)->foreground().color(), QColor(255, 0, 0));
  EXPECT_EQ(window.StringGrid1()->item(1, 2)->foreground().color(), QColor(0, 0, 255));

  window.TabControl1()->setCurrentIndex(1);
  EXPECT_EQ(window.Shown().Order, 3);
  EXPECT_EQ(window.StringGrid1()->columnCount(), 2);
  EXPECT_EQ(Cell(window, 0, 1), "7.000");
  window.hide();
}

TEST(AnswerWindow, WideValuesShowWhole) {
  Add(1, -120.5, 35.25, 1001.25);
  Add(1, 4, 35.25, 1.5);
  TAns_Frm window;
  window.show();
  const QTableWidget& grid = *window.StringGrid1();
  for (const auto& [row, column] : {std::pair{0, 1}, std::pair{1, 1}}) {
    const QString text = grid.item(row, column)->text();  // "-120.500", "1001.250"
    // The cell also holds the margins the style draws on both sides of its text.
    const int needed = QFontMetrics(grid.font()).horizontalAdvance(text) + 6;
    EXPECT_GE(grid.columnWidth(column), needed) << text.toStdString();
  }
  window.hide();
}

}  // namespace
}  // namespace selvana
