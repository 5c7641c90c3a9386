// The table editors' string grid: its cells, its keys and how a data cell is drawn.
#include "dialogs/string_grid.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <algorithm>

#include "dialogs/dialog_controls.h"
#include "platform/number_format.h"
#include "platform/typed_number.h"

namespace selvana {
namespace {

bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

// Draws data cells blue on white, flush right at the top, with the number of their text; and
// gives Enter and Esc typed into a cell's editor to the grid once the editor is closed.
class GridCellDelegate : public QStyledItemDelegate {
 public:
  GridCellDelegate(StringGrid* grid, std::string (*display)(const std::string&))
      : QStyledItemDelegate(grid), grid_(grid), display_(display) {}

  // The cell keeps its text as formatted ("%4d", "%10.4f"); the screen shows it without the
  // leading blanks, which right alignment makes needless and which would push the value out of
  // a narrow column (the line table's kinds showed as "...").
  QString displayText(const QVariant& value, const QLocale& locale) const override {
    const std::string text = value.toString().toStdString();
    if (!display_ || text.empty()) {
      return QStyledItemDelegate::displayText(value, locale).trimmed();
    }
    return QString::fromStdString(display_(text)).trimmed();
  }

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    option->displayAlignment = Qt::AlignRight | Qt::AlignTop;
    option->backgroundBrush = QBrush(Qt::white);
    option->palette.setColor(QPalette::Text, Qt::blue);
  }

  bool eventFilter(QObject* object, QEvent* event) override {
    auto* editor = qobject_cast<QWidget*>(object);
    if (editor && event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (IsEnter(key)) {
        emit commitData(editor);
        emit closeEditor(editor, NoHint);
        grid_->EnterPressed();
        return true;
      }
      if (key == Qt::Key_Escape) {
        emit closeEditor(editor, RevertModelCache);
        grid_->EscPressed();
        return true;
      }
    }
    return QStyledItemDelegate::eventFilter(object, event);
  }

 private:
  StringGrid* grid_;
  std::string (*display_)(const std::string&);
};

// Paints its button's text as a heading: the grid's corner button, which paints none itself.
class CornerHeading : public QObject {
 public:
  explicit CornerHeading(QAbstractButton* corner) : QObject(corner) {
    corner->installEventFilter(this);
  }

  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() != QEvent::Paint) return false;
    auto* corner = static_cast<QAbstractButton*>(object);
    QStyleOptionHeader option;
    option.initFrom(corner);
    option.rect = corner->rect();
    option.text = corner->text();
    option.textAlignment = Qt::AlignCenter;
    option.position = QStyleOptionHeader::OnlyOneSection;
    QStylePainter(corner).drawControl(QStyle::CE_Header, option);
    return true;
  }
};

QStringList ToQt(const std::vector<std::string>& texts) {
  QStringList list;
  for (const std::string& text : texts) list << QString::fromStdString(text);
  return list;
}

}  // namespace

QAbstractButton* HeadedCorner(QTableView& grid) {
  auto* corner = grid.findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
  if (corner) new CornerHeading(corner);
  return corner;
}

StringGrid::StringGrid(const StringGridLayout& layout, QWidget* parent)
    : QTableWidget(layout.DataRows, static_cast<int>(layout.Headers.size()) - 1, parent),
      layout_(layout) {
  setObjectName("StringGrid1");
  ApplyHeadings();
  ApplySizes();
  setItemDelegate(new GridCellDelegate(this, layout.Display));
  setEditTriggers(AnyKeyPressed | DoubleClicked | EditKeyPressed | SelectedClicked);
  connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int col, int, int) {
    if (row >= 0 && col >= 0 && !quietMove_) emit CellSelected(col + 1, row + 1);
  });
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
    if (Owns(old) && !Owns(now)) emit Exited();
  });
}

void StringGrid::ApplyHeadings() {
  const std::vector<std::string>& headers = layout_.Headers;
  setHorizontalHeaderLabels(ToQt({headers.begin() + 1, headers.end()}));
  QStringList labels = ToQt(layout_.RowLabels);
  for (int r = static_cast<int>(labels.size()); r < rowCount(); ++r) {
    labels << QString::fromStdString(StrFormat("%4d", r));
  }
  setVerticalHeaderLabels(labels);
  verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
  if (QAbstractButton* corner = HeadedCorner(*this)) {
    corner->setText(QString::fromStdString(headers.front()));
    UseFormText(*corner);
  }
  UseFormText(*horizontalHeader());
  UseFormText(*verticalHeader());
}

// Rows as low as the font allows; the grid as wide as its columns (its height is the window's).
void StringGrid::ApplySizes() {
  const std::vector<int>& widths = layout_.ColumnWidths;
  if (!widths.empty()) {
    verticalHeader()->setFixedWidth(widths.front());
    for (int col = 0; col < columnCount(); ++col) {
      setColumnWidth(col, widths[std::min<std::size_t>(col + 1, widths.size() - 1)]);
    }
  }
  const int rowHeight = std::max(16, fontMetrics().height() + 2);
  verticalHeader()->setMinimumSectionSize(rowHeight);
  verticalHeader()->setDefaultSectionSize(rowHeight);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  int width = verticalHeader()->width() + verticalScrollBar()->sizeHint().width();
  for (int col = 0; col < columnCount(); ++col) width += columnWidth(col);
  setFixedWidth(width + 2 * frameWidth());
}

bool StringGrid::Owns(const QWidget* widget) const {
  return widget && (widget == this || isAncestorOf(widget));
}

std::string StringGrid::Cell(int col, int row) const {
  if (row == 0) {
    return col >= 0 && col < static_cast<int>(layout_.Headers.size()) ? layout_.Headers[col]
                                                                      : std::string();
  }
  if (row < 0 || row > rowCount()) return {};
  if (col == 0) {
    const QTableWidgetItem* label = verticalHeaderItem(row - 1);
    return label ? label->text().toStdString() : std::string();
  }
  const QTableWidgetItem* cell = col <= columnCount() ? item(row - 1, col - 1) : nullptr;
  return cell ? cell->text().toStdString() : std::string();
}

void StringGrid::WriteCell(int col, int row, const std::string& text) {
  if (col < 1 || col > columnCount() || row < 1 || row > rowCount()) return;
  QTableWidgetItem* cell = item(row - 1, col - 1);
  if (!cell) {
    if (text.empty()) return;
    setItem(row - 1, col - 1, new QTableWidgetItem(QString::fromStdString(text)));
    return;
  }
  cell->setText(QString::fromStdString(text));
}

void StringGrid::EnterPressed() {
  const int col = std::max(Col(), 1);
  const int row = std::max(Row(), 1);
  quietMove_ = !layout_.EnterSelects;
  if (col < DataColumns()) {
    MoveTo(col + 1, row);
  } else if (row < DataRows()) {
    MoveTo(1, row + 1);
  } else {
    MoveTo(1, layout_.WrapAtLastRow ? 1 : row);
  }
  quietMove_ = false;
}

void StringGrid::EscPressed() {
  const int row = Row();
  for (int col = 1; col <= DataColumns(); ++col) SetCell(col, row, layout_.EscText);
}

void StringGrid::keyPressEvent(QKeyEvent* event) {
  if (state() != EditingState && IsEnter(event->key())) {
    EnterPressed();
    return;
  }
  if (state() != EditingState && event->key() == Qt::Key_Escape) {
    EscPressed();
    return;
  }
  QTableWidget::keyPressEvent(event);
}

std::string ShowAsLength(const std::string& text) { return FormatTypedNumber(text, "%10.4f"); }

std::string ShowAsFactor(const std::string& text) { return FormatTypedNumber(text, "%5.4f"); }

std::string ShowAsSlot(const std::string& text) { return FormatTypedInteger(text, "%8d"); }

}  // namespace selvana
