// A table editor's grid as the editor's filling and storing see it: cells read and written by
// column and grid row (row 0 the heading, column 0 the row number; data from row 1 and column 1),
// UTF-8 text. The dialogs lend their string grids; tests lend a grid kept in memory.
#pragma once
#include <map>
#include <optional>
#include <span>
#include <string>
#include <utility>

#include "forms/shown_number.h"
#include "model/project_model.h"
#include "platform/typed_number.h"
#include "view/view_ports.h"

namespace selvana {

class TableGrid : public TableCells {
 public:
  // Writes a cell's text; a number the cell showed before is forgotten.
  void SetCell(int col, int row, const std::string& text);
  // Writes a model number into a cell in a printf format and remembers the number behind it.
  void ShowCellNumber(int col, int row, double value, const char* format);
  // The number a cell holds (full-width digits read as half-width ones): the number shown while
  // the cell still holds the text shown, else the typed one; nothing when it holds none.
  std::optional<double> CellNumber(int col, int row) const;

 protected:
  virtual void WriteCell(int col, int row, const std::string& text) = 0;

 private:
  std::map<std::pair<int, int>, ShownNumber> shown_;
};

// Rows of a table editor closer than this in both values are the same row.
inline constexpr double kSameRowTolerance = 9e-05;

// The numbers of a grid row whose columns 1 and 2 both hold one (CellNumber); nothing when
// either cell is empty. A cell that holds no number counts as empty: OK refuses it before
// anything is read, so no slip is ever stored.
struct CellPair {
  double A = 0.0;
  double B = 0.0;
};
std::optional<CellPair> ReadCellPair(const TableGrid& grid, int row);

// True when a and b lie within kSameRowTolerance of each other in both values.
bool SameCellPair(const CellPair& a, const CellPair& b);

// Reads the complete grid rows 1..out.size() in row order into out, leaving out each row that
// lies within kSameRowTolerance of one taken before; returns how many were taken. Each pair
// carries its numbers, so an untouched row keeps its exact values wherever sorting moves it.
int CollectDistinctPairs(const TableGrid& grid, std::span<CellPair> out);

// A data cell in grid coordinates.
struct CellPlace {
  int Col = 0;
  int Row = 0;
};
// The first cell of columns 1..columns and rows 1..rows, row by row, whose text is neither
// empty nor a typed number of the kind; nothing when every cell is empty or holds one.
std::optional<CellPlace> FirstNonNumberCell(const TableCells& grid, int columns, int rows,
                                            TypedKind kind = TypedKind::Real);

// Sorts pairs by their first value, smallest or largest first. Pairs of equal first value keep
// their row order: a vertical step of a polyline or of a pressure diagram stays the way it was
// entered.
enum class PairOrder { SmallestFirst, LargestFirst };
void SortPairsByFirst(std::span<CellPair> pairs, PairOrder order);

// Shows a and b in columns 1 and 2 of a grid row as "%10.4f" (ShowCellNumber).
void ShowCellPair(TableGrid& grid, int row, double a, double b);
// Empties the cells of columns first..last of a grid row.
void ClearCells(TableGrid& grid, int row, int first, int last);

// What every value a grid stores reports: a change marks the project modified and the results
// invalid.
inline void MarkStored(int changed) {
  if (changed) MarkModified(true);
}

}  // namespace selvana
