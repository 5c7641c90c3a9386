// The layout of the dialogs built around a string grid.
#include "dialogs/table_form.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QVBoxLayout>
#include <iterator>
#include <vector>

#include "dialogs/dialog_controls.h"
#include "platform/message_box.h"
#include "platform/typed_number.h"
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
      buttons_(new QVBoxLayout()),
      ok_(NamedButton(ok.Name, ok.Caption)),
      cancel_(NamedButton(cancel.Name, cancel.Caption)) {
  auto* column = new QVBoxLayout();
  column->addLayout(side_);
  column->addStretch();
  buttons_->addWidget(ok_);
  buttons_->addWidget(cancel_);
  column->addLayout(buttons_);
  auto* form = new QHBoxLayout(this);
  form->addWidget(grid_, 1);
  form->addLayout(column);
  connect(ok_, &QPushButton::clicked, this, [this] {
    if (GridHoldsNumbers()) OkClick();
  });
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

bool TableForm::GridHoldsNumbers() {
  const std::optional<CellPlace> cell =
      FirstNonNumberCell(*grid_, grid_->DataColumns(), grid_->DataRows(), grid_->CellKind());
  if (!cell) return true;
  RefuseTypedText(grid_->Cell(cell->Col, cell->Row));
  FocusCell(*cell);
  return false;
}

bool TableForm::RefuseCell(const std::optional<CellRefusal>& refusal) {
  if (!refusal) return false;
  ShowMessage(refusal->Message, "error", MsgButtons::Ok, MsgIcon::Error);
  FocusCell(refusal->Cell);
  return true;
}

void TableForm::FocusCell(const CellPlace& cell) {
  grid_->setFocus();
  grid_->MoveTo(cell.Col, cell.Row);
}

QGridLayout* TableForm::KeyHelp(std::initializer_list<const char*> more, int columns) {
  static_assert(std::size(kMoveHelpLabels) == std::size(kGridMoveHelp));
  std::vector<QLabel*> labels;
  for (std::size_t i = 0; i < std::size(kGridMoveHelp); ++i) {
    labels.push_back(Numbered(Plain(kGridMoveHelp[i]), kMoveHelpLabels[i]));
  }
  std::size_t i = 0;
  for (const char* line : more) {
    QLabel* label = Plain(line);
    if (i < std::size(kMoreHelpLabels)) Numbered(label, kMoreHelpLabels[i++]);
    labels.push_back(label);
  }
  auto* help = new QGridLayout();
  const int count = static_cast<int>(labels.size());
  const int rows = (count + columns - 1) / columns;
  for (int n = 0; n < count; ++n) help->addWidget(labels[n], n % rows, n / rows);
  return help;
}

QFrame* TableForm::Panel(std::span<const char* const> lines, bool red) {
  auto* panel = new QFrame();
  panel->setObjectName("Panel1");
  panel->setFrameShape(QFrame::StyledPanel);
  auto* layout = new QVBoxLayout(panel);
  layout->setSpacing(2);  // the lines of a note read as one text
  int number = kFirstPanelLabel;
  for (const char* line : lines) {
    if (number == kF2HelpLabel) ++number;
    layout->addWidget(Numbered(red ? RedNote(line) : Plain(line), number++));
  }
  return panel;
}

void TableForm::AddKeyHelp(std::initializer_list<const char*> more) {
  side_->addLayout(KeyHelp(more));
}

void TableForm::AddPanel(std::span<const char* const> lines, bool red) {
  side_->addWidget(Panel(lines, red));
}

void TableForm::ButtonsInOneRow(std::initializer_list<QPushButton*> before) {
  buttons_->setDirection(QBoxLayout::LeftToRight);
  int at = 0;
  for (QPushButton* button : before) buttons_->insertWidget(at++, button);
}

PreviewTableForm::PreviewTableForm(int formSlot, const char* caption, const StringGridLayout& grid,
                                   QWidget* parent, int redrawMode, const TableCells*& port,
                                   int (*drawRow)(int row, Rgb colour))
    : TableForm(formSlot, caption, grid, parent),
      redrawMode_(redrawMode),
      port_(port),
      drawRow_(drawRow) {
  port_ = StringGrid1();
  connect(StringGrid1(), &StringGrid::CellSelected, this, &PreviewTableForm::StringGrid1SelectCell);
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
