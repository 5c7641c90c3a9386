// The layout of the dialogs built around a string grid.
#include "dialogs/table_form.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QVBoxLayout>

#include "dialogs/dialog_controls.h"
#include "view/redraw_view.h"

namespace selvana {

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
  auto* column = new QVBoxLayout();
  column->addLayout(side_);
  column->addStretch();
  column->addWidget(ok_);
  column->addWidget(cancel_);
  auto* form = new QHBoxLayout(this);
  form->addWidget(grid_, 1);
  form->addLayout(column);
  connect(ok_, &QPushButton::clicked, this, [this] { OkClick(); });
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void TableForm::AddKeyHelp(std::initializer_list<const char*> more) {
  for (const char* line : kGridMoveHelp) side_->addWidget(new QLabel(QString::fromUtf8(line)));
  for (const char* line : more) side_->addWidget(new QLabel(QString::fromUtf8(line)));
}

void TableForm::AddPanel(std::span<const char* const> lines, bool red) {
  auto* panel = new QFrame();
  panel->setObjectName("Panel1");
  panel->setFrameShape(QFrame::StyledPanel);
  auto* layout = new QVBoxLayout(panel);
  for (const char* line : lines) {
    layout->addWidget(red ? RedNote(line) : new QLabel(QString::fromUtf8(line)));
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
