// What the point, line and cohesion-line table editors show when opened and what their OK
// stores: plain functions over a TableGrid, so the rules run and are tested without windows.
// Grid row r stands for slot (or vertex) r - 1.
#pragma once
#include <optional>
#include <string>

#include "forms/table_grid.h"
#include "model/project_model.h"

namespace selvana {

// Data rows of each editor's grid: every slot of its table.
inline constexpr int kPointGridRows = kMaxPoints;
inline constexpr int kLineGridRows = kMaxLines;
inline constexpr int kCohesionGridRows = kMaxCohesionVertices;

// A cell OK refuses and why (UTF-8, caption "error"): the dialog shows the message, makes the
// cell current and stores nothing, as for a cell that holds no number.
struct CellRefusal {
  CellPlace Cell;
  std::string Message;
};

// Used point slots below PointCount as "%10.4f" X and Y; other rows empty.
void FillPointRows(TableGrid& grid);

// Two complete rows closer than kSameRowTolerance in X and Y: their slots, earlier first.
struct PointClash {
  int First = 0;
  int Second = 0;
};
// "エラー：点の重複があります！！　No3- No7" for slots 3 and 7 (UTF-8).
std::string CoincidentPointsMessage(const PointClash& clash);

// The point editor's range rule, asked on OK before StorePointRows: the first cell, row by row,
// whose number lies beyond CoordinateInRange; nothing when every cell is in range.
std::optional<CellRefusal> RefusedPointCell(const TableGrid& grid);

// The point editor's OK. After the coincidence message (a plain message box, captioned with the
// program's title) it stores nothing and returns false. Otherwise every complete row becomes its
// point, every other slot is freed, PointCount becomes one past the last complete row, lines left
// with a freed end are deleted, and it returns true.
bool StorePointRows(const TableGrid& grid);

// Line slots of kinds 1 to 7 below LineCount as kind "%4d" and ends "%8d"; other rows empty.
void FillLineRows(TableGrid& grid);
// The line editor's rules, asked on OK before StoreLineRows: the first row, in slot order, that
// would be stored (three whole numbers, kind 0..7) but names an end that is no used point,
// has equal ends for kind 1, 2 or 7, or repeats an earlier row of the same kind between the same
// two ends in either order (the rules of AddLineRecord); nothing when every row keeps them.
std::optional<CellRefusal> RefusedLineRow(const TableCells& grid);
// The line editor's OK: a row with all three cells, a kind 0..7 and both ends naming point
// slots is stored with the smaller end first and drawn in the figure; any other row frees its
// slot. LineCount becomes one past the last stored row.
void StoreLineRows(const TableCells& grid);

// Vertices below CohesionRefLine.Count as "%10.4f" X and Y; other rows empty.
void FillCohesionRows(TableGrid& grid);
// The cohesion-line editor's OK: complete rows without those that repeat an earlier vertex,
// sorted by X, stored with every entry above the count zeroed.
void StoreCohesionRows(const TableGrid& grid);

}  // namespace selvana
