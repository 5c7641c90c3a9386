// The layout of the dialogs built around a string grid.
#include "dialogs/table_form.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QVBoxLayout>
#include <iterator>

#include "dialogs/dialog_controls.h"
#include "view/redraw_view.h"

namespace selvana {
namespace {

// The numbers of the key help labels (Label1 ...): the moves, then the Esc and F2 lines.
constexpr int kMoveHelpLabels[] = {1, 2, 3, 5, 6, 7, 8, 9};
constexpr int kEscHelpLabel = 4;
constexpr int kF2HelpLabel = 20;
constexpr int kMoreHelpLabels[] = {kEscHelpLabel, kF2HelpLabel};
// The panel's labels count from Label10 on, passing over Label20 of the F2 line.
constexpr int kFirstPanelLabel = 10;

QLabel* Numbered(QLabel* label, int number) {
  label->setObjectName(QString("Label%1").arg(number));
  return label;
}

QLabel* Plain(const char* text) { return new QLabel(QString::fromUtf8(text)); }

}  // namespace

StringGridLayout CoordinateGrid(int dataRows, const char* first, const char* second) {
  StringGridLayout layout;
  layout.Headers = {" No", first, second};
  layout.ColumnWidths = {30, 80};
  layout.DataRows = dataRows;
  layout.Display = ShowAsLength;
  return layout;
}

TableForm::TableForm(int formSlot, const char* caption, const StringGridLayout& grid,
                     QWidget* parent, ButtonText ok, ButtonText cancel)
    : SettingsForm(formSlot, caption, parent),
      grid_(new StringGrid(grid)),
      side_(new QVBoxLayout()),
      ok_(NamedButton(ok.Name, ok.Caption)),
      cancel_(NamedButton(cancel.Name, cancel.Caption)) {
  // The controls beside the grid scroll when the window is lower than they are: squeezed into
  // the slot's size by the layout, the largest of them (the input groups) would lose their
  // height first and vanish.
  auto* sideWidget = new QWidget();
  auto* packed = new QVBoxLayout(sideWidget);
  packed->setContentsMargins(0, 0, 0, 0);
  packed->addLayout(side_);
  packed->addStretch();
  auto* scroll = new QScrollArea();
  scroll->setWidget(sideWidget);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  auto* column = new QVBoxLayout();
  column->addWidget(scroll, 1);
  column->addWidget(ok_);
  column->addWidget(cancel_);
  auto* form = new QHBoxLayout(this);
  form->addWidget(grid_, 1);
  form->addLayout(column);
  connect(ok_, &QPushButton::clicked, this, [this] { OkClick(); });
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void TableForm::AddKeyHelp(std::initializer_list<const char*> more) {
  static_assert(std::size(kMoveHelpLabels) == std::size(kGridMoveHelp));
  for (std::size_t i = 0; i < std::size(kGridMoveHelp); ++i) {
    side_->addWidget(Numbered(Plain(kGridMoveHelp[i]), kMoveHelpLabels[i]));
  }
  std::size_t i = 0;
  for (const char* line : more) {
    QLabel* label = Plain(line);
    if (i < std::size(kMoreHelpLabels)) Numbered(label, kMoreHelpLabels[i++]);
    side_->addWidget(label);
  }
}

void TableForm::AddPanel(std::span<const char* const> lines, bool red) {
  auto* panel = new QFrame();
  panel->setObjectName("Panel1");
  panel->setFrameShape(QFrame::StyledPanel);
  auto* layout = new QVBoxLayout(panel);
  int number = kFirstPanelLabel;
  for (const char* line : lines) {
    if (number == kF2HelpLabel) ++number;
    layout->addWidget(Numbered(red ? RedNote(line) : Plain(line), number++));
  }
  side_->addWidget(panel);
}

PreviewTableForm::PreviewTableForm(int formSlot, const char* caption,
                                   const StringGridLayout& grid, QWidget* parent, int redrawMode,
                                   const TableCells*& port, int (*drawRow)(int row, Rgb colour))
    : TableForm(formSlot, caption, grid, parent),
      redrawMode_(redrawMode),
      port_(port),
      drawRow_(drawRow) {
  port_ = StringGrid1();
  connect(StringGrid1(), &StringGrid::CellSelected, this,
          &PreviewTableForm::StringGrid1SelectCell);
  connect(StringGrid1(), &StringGrid::Exited, this, [this] { RedrawView(redrawMode_); });
}

PreviewTableForm::~PreviewTableForm() {
  if (port_ == StringGrid1()) port_ = nullptr;
}

void PreviewTableForm::resizeEvent(QResizeEvent* event) {
  TableForm::resizeEvent(event);
  if (isVisible()) RedrawView(redrawMode_);
}

void PreviewTableForm::StringGrid1SelectCell(int, int row) {
  RedrawView(redrawMode_);
  drawRow_(row - 1, kYellow);
}

}  // namespace selvana
