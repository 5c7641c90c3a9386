// What the result files gather while they walk one grid order's result table: the read cursor
// over the table, the smallest safety factor at every centre (SafetyFactorMatrix) and the best
// record of the order (MinimumResult). One instance each; they keep the last order written.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace selvana {

// A cell value at or above this has no result.
inline constexpr double kNoCellResult = 99999.0;
// What a reset puts into every cell and into the minimum.
inline constexpr double kCellReset = 99999.9;

// The smallest safety factor and its radius at every centre of one order, indexed by column
// (centre X), then row (centre Y). It grows with the grid.
struct SafetyFactorMatrixRecord {
  int ColumnCount = 0;
  int RowCount = 0;
  std::vector<double> X;               // column keys
  std::vector<double> Y;               // row keys
  std::vector<std::vector<double>> F;  // [column][row]
  std::vector<std::vector<double>> R;  // [column][row]

  bool HasResult(int column, int row) const { return F[column][row] < kNoCellResult; }
};

struct MinimumResultRecord {
  double f = kCellReset;
  double cx = 0.0, cy = 0.0, rr = 0.0;
  double mrf = 0.0, mrc = 0.0, mry = 0.0, mr = 0.0, md = 0.0;
};

extern SafetyFactorMatrixRecord SafetyFactorMatrix;
extern MinimumResultRecord MinimumResult;
// Index of the next record NextSlipResult delivers.
extern int ResultCursor;
// The highest grid order with at least one record (0 when none).
extern int LastOrder;

// Empties the matrix (both counts 0) and resets the minimum.
void ResetResultMatrix();
// All of the above to its start: matrix, minimum, cursor and LastOrder.
void ResetResultOutputState();

// A cell of the matrix by its indices.
struct MatrixCell {
  int column = -1;
  int row = -1;
};

// The cell of a centre: the first column whose X and the first row whose Y lie within 1e-7 of
// it, each opened (with empty cells) when there is none.
MatrixCell SafetyFactorCell(double cx, double cy);

// Puts a record into the matrix: its centre finds (or opens) its column and row within 1e-7;
// the cell takes f and rr when f is strictly below what it holds.
void AddToSafetyFactorMatrix(double cx, double cy, double f, double rr);

// Sorts the rows by Y descending (top row the highest centre), cells travelling with their
// keys; the columns keep their order.
void SortSafetyFactorRows();

// Sorts the columns by X ascending and the rows as SortSafetyFactorRows. Returns 0.
int SortSafetyFactorMatrix();

// Copies record ResultCursor of the table of order (1..4) into CurrentSlipResult and advances
// the cursor: 0 then, 1 when the table has no further record, -1 for an order outside 1..4.
int NextSlipResult(int order);

// The highest order whose table holds a record, 0 when none does.
int HighestOrderWithResults();

// The CP932 text with digits, ".", "-", "+" and blanks turned into their full-width forms;
// every other byte is copied as it is.
std::string ToFullWidthNumber(std::string_view text);

}  // namespace selvana
