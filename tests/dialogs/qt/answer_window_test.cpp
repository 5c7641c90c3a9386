// The result window: one tab per order with records, each tab its own order, the minimum red.
#include "dialogs/AnswerTbl.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>

#include "calc/results/slip_result.h"
#include "mainwin/form_sizes.h"
#include "support/qt/image_checks.h"

namespace selvana {
namespace {

void Add(int order, double cx, double cy, double f) {
  SlipResult& r = SlipResultTable[order - 1][SlipResultCount[order - 1]++];
  r = SlipResult{};
  r.cx = cx;
  r.cy = cy;
  r.f = f;
}

// The text shown at a cell of the table counted with its heads: row 0 holds the X values in the
// column heads, column 0 the Y values in the row heads.
std::string Cell(const TAns_Frm& window, int row, int column) {
  const QTableWidget& grid = *window.StringGrid1();
  if (row == 0 && column == 0) return window.Corner()->text().toStdString();
  const QTableWidgetItem* item = row == 0      ? grid.horizontalHeaderItem(column - 1)
                                 : column == 0 ? grid.verticalHeaderItem(row - 1)
                                               : grid.item(row - 1, column - 1);
  return item ? item->text().toStdString() : "(none)";
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
  EXPECT_EQ(window.StringGrid1()->item(0, 0)->foreground().color(), QColor(255, 0, 0));
  EXPECT_EQ(window.StringGrid1()->item(0, 1)->foreground().color(), QColor(0, 0, 255));

  window.TabControl1()->setCurrentIndex(1);
  EXPECT_EQ(window.Shown().Order, 3);
  EXPECT_EQ(window.StringGrid1()->columnCount(), 1);
  EXPECT_EQ(Cell(window, 0, 1), "7.000");
  window.hide();
}

TEST(AnswerWindow, WideValuesShowWhole) {
  Add(1, -120.5, 35.25, 1001.25);
  Add(1, 4, 35.25, 1.5);
  TAns_Frm window;
  window.show();
  const QTableWidget& grid = *window.StringGrid1();
  for (const QTableWidgetItem* item : {grid.horizontalHeaderItem(0), grid.item(0, 0)}) {
    const QString text = item->text();  // "-120.500", "1001.250"
    // The cell also holds the margins the style draws on both sides of its text.
    const int needed = QFontMetrics(grid.font()).horizontalAdvance(text) + 6;
    EXPECT_GE(grid.columnWidth(0), needed) << text.toStdString();
  }
  window.hide();
}

// The grid's head (column or row head) drawn at a point of the grid, or nullptr.
const QHeaderView* HeadAt(const QTableWidget& grid, QPoint at) {
  for (const QWidget* w = grid.childAt(at); w && w != &grid; w = w->parentWidget()) {
    if (const auto* head = qobject_cast<const QHeaderView*>(w)) return head;
  }
  return nullptr;
}

TEST(AnswerWindow, HeadsStayInViewWhenTheValuesScrollToTheFarCorner) {
  for (int x = 0; x < 30; ++x) {
    for (int y = 0; y < 30; ++y) Add(1, x, y, 1.5);
  }
  ResetFormSizes();  // the window at its default size, whatever an earlier test left
  TAns_Frm window;
  window.show();
  QTableWidget& grid = *window.StringGrid1();
  QApplication::processEvents();  // the grid lays its heads and scroll ranges out
  const int lastRow = grid.rowCount() - 1;
  const int lastColumn = grid.columnCount() - 1;
  grid.scrollToItem(grid.item(lastRow, lastColumn));
  ASSERT_GT(grid.columnAt(0), 0);
  ASSERT_GT(grid.rowAt(0), 0);
  const QRect cell = grid.visualItemRect(grid.item(lastRow, lastColumn));
  ASSERT_TRUE(grid.viewport()->rect().contains(cell.center()));
  const QPoint origin = grid.viewport()->pos();
  // Just above the far column and just left of the bottom row, the heads name them.
  const QHeaderView* above = HeadAt(grid, {origin.x() + cell.center().x(), origin.y() - 4});
  const QHeaderView* left = HeadAt(grid, {origin.x() - 4, origin.y() + cell.center().y()});
  ASSERT_EQ(above, grid.horizontalHeader());
  ASSERT_EQ(left, grid.verticalHeader());
  EXPECT_EQ(above->logicalIndexAt(cell.center().x()), lastColumn);
  EXPECT_EQ(left->logicalIndexAt(cell.center().y()), lastRow);
  EXPECT_EQ(Cell(window, 0, lastColumn + 1), "29.000");
  EXPECT_EQ(Cell(window, lastRow + 1, 0), "0.000");
  // The corner keeps its text, drawn dark on the head's face.
  ASSERT_TRUE(window.Corner()->isVisible());
  EXPECT_EQ(Cell(window, 0, 0), "Ｙ＼Ｘ");
  EXPECT_LT(test::DarkestGrey(window.Corner()->grab().toImage()), 80);
  window.hide();
}

TEST(AnswerWindow, AClickedMinimumStaysRedOnWhite) {
  Add(1, 4, 5, 1.25);
  Add(1, 6, 5, 1.5);
  TAns_Frm window;
  window.show();
  QTableWidget& grid = *window.StringGrid1();
  const QRect cell = grid.visualItemRect(grid.item(0, 0));
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
  const QImage shot = grid.viewport()->grab(cell).toImage();
  // The text stands right, so the cell's left end shows its background.
  EXPECT_EQ(shot.pixelColor(3, cell.height() / 2), QColor(Qt::white));
  EXPECT_TRUE(test::ShowsRed(shot));
  window.hide();
}

}  // namespace
}  // namespace selvana
