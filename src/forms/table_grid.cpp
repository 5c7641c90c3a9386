// Reading and writing the number pairs of a table editor's rows.
#include "forms/table_grid.h"

#include <algorithm>
#include <cmath>

#include "platform/number_format.h"

namespace selvana {

std::optional<CellPair> ReadCellPair(const TableCells& grid, int row) {
  const std::optional<double> a = TypedNumber(grid.Cell(1, row));
  const std::optional<double> b = TypedNumber(grid.Cell(2, row));
  if (!a || !b) return std::nullopt;
  return CellPair{*a, *b};
}

bool SameCellPair(const CellPair& a, const CellPair& b) {
  return std::fabs(a.A - b.A) <= kSameRowTolerance && std::fabs(a.B - b.B) <= kSameRowTolerance;
}

int CollectDistinctPairs(const TableCells& grid, std::span<CellPair> out) {
  int count = 0;
  for (int r = 1; r <= static_cast<int>(out.size()); ++r) {
    const std::optional<CellPair> row = ReadCellPair(grid, r);
    if (!row) continue;
    bool repeated = false;
    for (int k = 0; k < count && !repeated; ++k) repeated = SameCellPair(out[k], *row);
    if (!repeated) out[count++] = *row;
  }
  return count;
}

std::optional<CellPlace> FirstNonNumberCell(const TableCells& grid, int columns, int rows,
                                            TypedKind kind) {
  for (int row = 1; row <= rows; ++row) {
    for (int col = 1; col <= columns; ++col) {
      const std::string text = grid.Cell(col, row);
      if (!text.empty() && !HoldsTypedNumber(text, kind)) return CellPlace{col, row};
    }
  }
  return std::nullopt;
}

void SortPairsByFirst(std::span<CellPair> pairs, PairOrder order) {
  if (order == PairOrder::SmallestFirst) {
    std::stable_sort(pairs.begin(), pairs.end(),
                     [](const CellPair& a, const CellPair& b) { return a.A < b.A; });
  } else {
    std::stable_sort(pairs.begin(), pairs.end(),
                     [](const CellPair& a, const CellPair& b) { return a.A > b.A; });
  }
}

void ShowCellPair(TableGrid& grid, int row, double a, double b) {
  grid.SetCell(1, row, StrFormat("%10.4f", a));
  grid.SetCell(2, row, StrFormat("%10.4f", b));
}

void ClearCells(TableGrid& grid, int row, int first, int last) {
  for (int col = first; col <= last; ++col) grid.SetCell(col, row, std::string());
}

}  // namespace selvana
