// The numbers a table editor's grid shows and reads back, and the number pairs of its rows.
#include "forms/table_grid.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace selvana {

void TableGrid::SetCell(int col, int row, const std::string& text) {
  shown_.erase({col, row});
  WriteCell(col, row, text);
}

void TableGrid::ShowCellNumber(int col, int row, double value, const char* format) {
  ShownNumber shown = ShowNumber(value, format);
  WriteCell(col, row, shown.Text);
  shown_[{col, row}] = std::move(shown);
}

std::optional<double> TableGrid::CellNumber(int col, int row) const {
  const auto it = shown_.find({col, row});
  return ShownOrTypedNumber(Cell(col, row), it == shown_.end() ? ShownNumber{} : it->second);
}

std::optional<CellPair> ReadCellPair(const TableGrid& grid, int row) {
  const std::optional<double> a = grid.CellNumber(1, row);
  const std::optional<double> b = grid.CellNumber(2, row);
  if (!a || !b) return std::nullopt;
  return CellPair{*a, *b};
}

bool SameCellPair(const CellPair& a, const CellPair& b) {
  return std::fabs(a.A - b.A) <= kSameRowTolerance && std::fabs(a.B - b.B) <= kSameRowTolerance;
}

int CollectDistinctPairs(const TableGrid& grid, std::span<CellPair> out) {
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
  grid.ShowCellNumber(1, row, a, "%10.4f");
  grid.ShowCellNumber(2, row, b, "%10.4f");
}

void ClearCells(TableGrid& grid, int row, int first, int last) {
  for (int col = first; col <= last; ++col) grid.SetCell(col, row, std::string());
}

}  // namespace selvana
