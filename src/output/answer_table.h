// The table the result window shows for one grid order: the smallest safety factor at every
// centre, centre X across in the order the records first meet them, centre Y down from the
// highest, and the cell of the order's smallest value. Built through the same read cursor and
// matrix as the result files, without a toolkit; the window only puts the texts on screen.
#pragma once
#include <string>
#include <vector>

namespace selvana {

struct AnswerTable {
  int Order = 0;
  // Texts (UTF-8) by row, then column; row 0 holds the X values, column 0 the Y values, and
  // cell (0, 0) "Ｙ＼Ｘ".
  std::vector<std::vector<std::string>> Cells;
  // Matrix indices of the smallest safety factor (the first read of equal ones); -1 when the
  // order holds no record.
  int MinimumColumn = -1;
  int MinimumRow = -1;

  // True for the grid cell (row and column counted with the heads) of the minimum.
  bool IsMinimumCell(int row, int column) const {
    return MinimumRow >= 0 && row == MinimumRow + 1 && column == MinimumColumn + 1;
  }
};

// The grid orders (1..4, ascending) whose result table holds at least one record: one tab each.
std::vector<int> OrdersWithResults();

// Rebuilds SafetyFactorMatrix and MinimumResult.f from the records of order (1..4) and returns
// the window's table of them. An order without records gives the bare corner cell.
AnswerTable BuildAnswerTable(int order);

}  // namespace selvana
