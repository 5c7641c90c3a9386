// The result window's table of one grid order, built from its result table.
#include "output/answer_table.h"

#include "calc/results/slip_result.h"
#include "output/result_matrix.h"
#include "platform/number_format.h"

namespace selvana {
namespace {

// The window shows a cell's value up to and including this; above it the cell has no result
// (the result files, unlike the window, already count 99999.0 itself as none).
constexpr double kShownUpTo = 99999.0;

// Reads every record of the order into the matrix, keeping the cell of the first smallest
// safety factor. An empty order reads nothing (no stale record from an earlier read).
MatrixCell FillMatrix(int order) {
  ResetResultMatrix();
  MatrixCell minimum;
  ResultCursor = 0;
  while (NextSlipResult(order) == 0) {
    const SlipResult& r = CurrentSlipResult;
    const MatrixCell at = SafetyFactorCell(r.cx, r.cy);
    double& cell = SafetyFactorMatrix.F[at.column][at.row];
    if (cell > r.f) cell = r.f;
    if (r.f < MinimumResult.f) {
      MinimumResult.f = r.f;
      minimum = at;
    }
  }
  return minimum;
}

// The row of the minimum after the rows were sorted: the one that kept its Y.
int RowAfterSort(double y) {
  for (int row = 0; row < SafetyFactorMatrix.RowCount; ++row) {
    if (SafetyFactorMatrix.Y[row] == y) return row;
  }
  return -1;
}

std::vector<std::vector<std::string>> TableTexts() {
  const SafetyFactorMatrixRecord& m = SafetyFactorMatrix;
  std::vector<std::vector<std::string>> cells(m.RowCount + 1,
                                              std::vector<std::string>(m.ColumnCount + 1));
  cells[0][0] = "Ｙ＼Ｘ";
  for (int c = 0; c < m.ColumnCount; ++c) cells[0][c + 1] = StrFormat("%4.3f", m.X[c]);
  for (int r = 0; r < m.RowCount; ++r) {
    cells[r + 1][0] = StrFormat("%4.3f", m.Y[r]);
    for (int c = 0; c < m.ColumnCount; ++c) {
      cells[r + 1][c + 1] =
          m.F[c][r] <= kShownUpTo ? StrFormat("%4.3f", CutToDecimals(m.F[c][r], 3)) : "－－－";
    }
  }
  return cells;
}

}  // namespace

std::vector<int> OrdersWithResults() {
  std::vector<int> orders;
  for (int order = 1; order <= kSlipResultOrders; ++order) {
    if (SlipResultCount[order - 1] > 0) orders.push_back(order);
  }
  return orders;
}

AnswerTable BuildAnswerTable(int order) {
  MatrixCell minimum = FillMatrix(order);
  const double minimumY = minimum.row >= 0 ? SafetyFactorMatrix.Y[minimum.row] : 0.0;
  SortSafetyFactorRows();
  if (minimum.row >= 0) minimum.row = RowAfterSort(minimumY);
  AnswerTable table;
  table.Order = order;
  table.Cells = TableTexts();
  table.MinimumColumn = minimum.column;
  table.MinimumRow = minimum.row;
  return table;
}

}  // namespace selvana
