// The result table window: tabs of grid orders over a grid of safety factors.
#include "dialogs/AnswerTbl.h"

#include <QAbstractButton>
#include <QFrame>
#include <QHeaderView>
#include <QPushButton>
#include <QResizeEvent>
#include <QTabBar>
#include <QTableWidget>
#include <algorithm>

#include "dialogs/string_grid.h"
#include "mainwin/form_sizes.h"

namespace selvana {

TAns_Frm* Ans_Frm = nullptr;

namespace {

const char* const kOrderTabs[] = {"１次格子", "２次格子", "３次格子", "４次格子"};

QTableWidgetItem* HeadItem(const std::string& text) {
  return new QTableWidgetItem(QString::fromStdString(text));
}

QTableWidgetItem* FactorItem(const std::string& text, bool minimum) {
  auto* item = new QTableWidgetItem(QString::fromStdString(text));
  item->setTextAlignment(Qt::AlignRight | Qt::AlignTop);
  item->setBackground(Qt::white);
  item->setForeground(minimum ? QColor(255, 0, 0) : QColor(0, 0, 255));
  return item;
}

constexpr int kColumnWidth = 64;

}  // namespace

TAns_Frm::TAns_Frm(QWidget* parent)
    : SettingsForm(kSlotAns, "計算結果表示", parent),
      tabFrame_(new QFrame(this)),
      tabs_(new QTabBar(tabFrame_)),
      grid_(new QTableWidget(tabFrame_)),
      button1_(new QPushButton(QString::fromUtf8("閉じる"), this)) {
  tabFrame_->setObjectName("TabControl1");
  tabFrame_->setFrameShape(QFrame::StyledPanel);
  QFont tabFont("ＭＳ ゴシック");
  tabFont.setPixelSize(16);
  tabFrame_->setFont(tabFont);
  tabs_->setObjectName("TabControl1Tabs");
  grid_->setObjectName("StringGrid1");
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // A clicked cell keeps its own colours, so the red minimum stays red.
  grid_->setSelectionMode(QAbstractItemView::NoSelection);
  // The X values head the columns and the Y values the rows in the grid's own heads, which
  // stay in place while the values scroll under them.
  grid_->verticalHeader()->setDefaultSectionSize(20);
  grid_->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
  grid_->verticalHeader()->setMinimumWidth(kColumnWidth);
  grid_->horizontalHeader()->setDefaultSectionSize(kColumnWidth);
  corner_ = HeadedCorner(*grid_);
  button1_->setObjectName("Button1");
  connect(button1_, &QPushButton::clicked, this, [this] { done(1); });
  connect(tabs_, &QTabBar::currentChanged, this, [this](int) { TabControl1Change(); });
}

void TAns_Frm::FormShow() {
  const QSignalBlocker quiet(tabs_);
  while (tabs_->count() > 0) tabs_->removeTab(0);
  for (const int order : OrdersWithResults()) {
    const int tab = tabs_->addTab(QString::fromUtf8(kOrderTabs[order - 1]));
    tabs_->setTabData(tab, order);
  }
  tabs_->setCurrentIndex(0);
  TabControl1Change();
}

void TAns_Frm::TabControl1Change() {
  // Each tab carries its own order, so a project whose first order is empty still shows
  // order 2 under "２次格子".
  const int tab = tabs_->currentIndex();
  shown_ = tab >= 0 ? BuildAnswerTable(tabs_->tabData(tab).toInt()) : AnswerTable{};
  FillGrid();
}

void TAns_Frm::FillGrid() {
  grid_->clear();
  const auto& cells = shown_.Cells;
  const int rows = static_cast<int>(cells.size()) - 1;
  const int columns = rows < 0 ? 0 : static_cast<int>(cells[0].size()) - 1;
  grid_->setRowCount(std::max(rows, 0));
  grid_->setColumnCount(columns);
  corner_->setText(rows < 0 ? QString() : QString::fromStdString(cells[0][0]));
  for (int column = 1; column <= columns; ++column) {
    grid_->setHorizontalHeaderItem(column - 1, HeadItem(cells[0][column]));
  }
  for (int row = 1; row <= rows; ++row) {
    grid_->setVerticalHeaderItem(row - 1, HeadItem(cells[row][0]));
    for (int column = 1; column <= columns; ++column) {
      grid_->setItem(row - 1, column - 1,
                     FactorItem(cells[row][column], shown_.IsMinimumCell(row, column)));
    }
  }
  // A column keeps its 64 pixels unless its texts need more ("-120.500", "1001.000"), so no
  // value is cut short.
  for (int column = 0; column < columns; ++column) {
    grid_->resizeColumnToContents(column);
    grid_->setColumnWidth(column, std::max(kColumnWidth, grid_->columnWidth(column)));
  }
}

void TAns_Frm::resizeEvent(QResizeEvent* event) {
  const int w = event->size().width();
  const int h = event->size().height();
  tabFrame_->setGeometry(8, 8, w - 30, h - 90);
  tabs_->setGeometry(0, 0, w - 30, 28);
  grid_->setGeometry(7, 30, w - 45, h - 130);
  button1_->setGeometry(w / 2 - 48, h - 60, 96, 28);
  SettingsForm::resizeEvent(event);
}

}  // namespace selvana
