// The result table window: tabs of grid orders over a grid of safety factors.
#include "output/qt/AnswerTbl.h"

#include <QFrame>
#include <QHeaderView>
#include <QPushButton>
#include <QResizeEvent>
#include <QTabBar>
#include <QTableWidget>
#include <algorithm>

#include "mainwin/form_sizes.h"

namespace selvana {

TAns_Frm* Ans_Frm = nullptr;

namespace {

const char* const kOrderTabs[] = {"１次格子", "２次格子", "３次格子", "４次格子"};

QTableWidgetItem* HeadItem(const std::string& text, const QPalette& palette) {
  auto* item = new QTableWidgetItem(QString::fromStdString(text));
  item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
  item->setBackground(palette.button());
  return item;
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
  QFont font("ＭＳ Ｐゴシック");
  font.setPixelSize(12);
  setFont(font);
  tabFrame_->setObjectName("TabControl1");
  tabFrame_->setFrameShape(QFrame::StyledPanel);
  QFont tabFont("ＭＳ ゴシック");
  tabFont.setPixelSize(16);
  tabFrame_->setFont(tabFont);
  tabs_->setObjectName("TabControl1Tabs");
  grid_->setObjectName("StringGrid1");
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->horizontalHeader()->hide();
  grid_->verticalHeader()->hide();
  grid_->verticalHeader()->setDefaultSectionSize(20);
  grid_->horizontalHeader()->setDefaultSectionSize(kColumnWidth);
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
  grid_->setRowCount(static_cast<int>(cells.size()));
  grid_->setColumnCount(cells.empty() ? 0 : static_cast<int>(cells[0].size()));
  for (int row = 0; row < grid_->rowCount(); ++row) {
    for (int column = 0; column < grid_->columnCount(); ++column) {
      const std::string& text = cells[row][column];
      const bool head = row == 0 || column == 0;
      grid_->setItem(
          row, column,
          head ? HeadItem(text, palette()) : FactorItem(text, shown_.IsMinimumCell(row, column)));
    }
  }
  // A column keeps its 64 pixels unless its texts need more ("-120.500", "1001.000"), so no
  // value is cut short.
  for (int column = 0; column < grid_->columnCount(); ++column) {
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
