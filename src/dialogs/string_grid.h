// The string grid every table editor shares: a number column and a heading row in the dialogs'
// face and text colour, data cells drawn blue on white with their text shown as a number (the
// text itself stays as typed), Enter moving on to the next cell and row, Esc emptying (or
// resetting) the current row. Its cells are lent to the editor rules and the view previews in
// grid coordinates: row 0 the heading, column 0 the row numbers, data from row 1 and column 1.
#pragma once
#include <QTableWidget>
#include <string>
#include <vector>

#include "forms/table_grid.h"

class QAbstractButton;

namespace selvana {

struct StringGridLayout {
  std::vector<std::string> Headers;    // column 0 first (UTF-8)
  std::vector<int> ColumnWidths;       // column 0 first; columns beyond take the last width
  int DataRows = 0;                    // rows below the heading
  std::vector<std::string> RowLabels;  // column 0 of rows 1..; empty: "%4d" of row - 1
  // How a data cell shows its text (the shown text only; nothing is stored).
  std::string (*Display)(const std::string& text) = nullptr;
  TypedKind Cells = TypedKind::Real;  // what a data cell must hold for OK
  bool WrapAtLastRow = false;         // Enter in the last row goes back to row 1
  bool EnterSelects = true;           // Enter's move reports the new cell as CellSelected
  std::string EscText;                // what Esc writes into every data cell of the row
};

class StringGrid : public QTableWidget, public TableGrid {
  Q_OBJECT

 public:
  explicit StringGrid(const StringGridLayout& layout, QWidget* parent = nullptr);

  std::string Cell(int col, int row) const override;

  int DataColumns() const { return columnCount(); }
  int DataRows() const { return rowCount(); }
  TypedKind CellKind() const { return layout_.Cells; }
  // The current cell in grid coordinates (0 when there is none).
  int Col() const { return currentColumn() + 1; }
  int Row() const { return currentRow() + 1; }
  void MoveTo(int col, int row) { setCurrentCell(row - 1, col - 1); }

  // Enter: the next data column, or the first of the next row (the last row stays, or wraps).
  // The move is reported as CellSelected unless the layout says otherwise.
  void EnterPressed();
  // Esc: every data cell of the current row gets the layout's EscText.
  void EscPressed();

 signals:
  // The cursor moved to a cell (grid coordinates).
  void CellSelected(int col, int row);
  // The keyboard focus left the grid for a control outside it.
  void Exited();

 protected:
  void WriteCell(int col, int row, const std::string& text) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ApplyHeadings();
  void ApplySizes();
  bool Owns(const QWidget* widget) const;
  StringGridLayout layout_;
  bool quietMove_ = false;  // the current move is not reported as CellSelected
};

// The grid's corner button, made to show its text (set with setText) as a heading; nullptr for
// a grid without one.
QAbstractButton* HeadedCorner(QTableView& grid);

// Cell texts as the dialogs show them: "%10.4f", "%5.4f" of the number, "%8d" of the integer
// (full-width digits read as half-width ones); a text that holds no number shows as typed.
std::string ShowAsLength(const std::string& text);
std::string ShowAsFactor(const std::string& text);
std::string ShowAsSlot(const std::string& text);

}  // namespace selvana
