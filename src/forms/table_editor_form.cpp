// Filling and storing the point, line and cohesion-line tables from their editors' grids.
#include "forms/table_editor_form.h"

#include <array>
#include <span>
#include <utility>

#include "editing/main_window_port.h"
#include "forms/coordinate_range.h"
#include "model/geometry.h"
#include "model/line_records.h"
#include "model/set_if_changed.h"
#include "platform/message_box.h"
#include "platform/number_format.h"
#include "platform/typed_number.h"

namespace selvana {
namespace {

bool IsPointSlot(int p) { return p >= 0 && p < kMaxPoints; }

// The complete rows of a point grid, read once.
struct PointRows {
  std::array<std::optional<CellPair>, kPointGridRows> Row;
};

void ReadPointRows(const TableGrid& grid, PointRows& rows) {
  for (int i = 0; i < kPointGridRows; ++i) rows.Row[i] = ReadCellPair(grid, i + 1);
}

std::optional<PointClash> FindClash(const PointRows& rows) {
  for (int later = 0; later < kPointGridRows; ++later) {
    if (!rows.Row[later]) continue;
    for (int earlier = 0; earlier < later; ++earlier) {
      if (rows.Row[earlier] && SameCellPair(*rows.Row[earlier], *rows.Row[later])) {
        return PointClash{earlier, later};
      }
    }
  }
  return std::nullopt;
}

void StorePoint(int i, const std::optional<CellPair>& row) {
  PointRecord& point = PointTable[i];
  if (!row) {
    MarkStored(SetIntIfChanged(point.Id, -1));
    point.X = 0.0;
    point.Y = 0.0;
    return;
  }
  MarkStored(SetIntIfChanged(point.Id, i));
  MarkStored(SetDoubleIfChanged(point.X, row->A));
  MarkStored(SetDoubleIfChanged(point.Y, row->B));
  PointCount = i + 1;
}

// Lines that lost an end point go with it. Freeing the point has marked the project already; a
// line that named a free slot before is dropped without marking, as it is not drawn either.
void DeleteDanglingLines() {
  for (int i = 0; i < LineCount && i < kMaxLines; ++i) {
    LineRecord& line = LineTable[i];
    if (line.Kind < 0 || line.Kind > kLineResidualWater) continue;
    const bool p1 = IsPointSlot(line.P1) && PointTable[line.P1].Id >= 0;
    const bool p2 = IsPointSlot(line.P2) && PointTable[line.P2].Id >= 0;
    if (!p1 || !p2) line.Kind = kLineFree;
  }
}

// A line row as typed when OK may store it: three whole numbers and a kind 0..7. Any other row
// (a cell empty or without a whole number, which OK refuses before, or another kind) frees its
// slot.
std::optional<LineRecord> StorableLineRow(const TableCells& grid, int row) {
  const std::optional<int> k = TypedInteger(grid.Cell(1, row));
  const std::optional<int> first = TypedInteger(grid.Cell(2, row));
  const std::optional<int> second = TypedInteger(grid.Cell(3, row));
  if (!k || !first || !second || *k < 0 || *k > kLineResidualWater) return std::nullopt;
  return LineRecord{*k, *first, *second, 1};
}

// The kind a line row stores, kLineFree for a row that frees its slot (also one whose ends name
// no point slot, which OK refuses before).
int LineRowKind(const TableCells& grid, int row, int& p1, int& p2) {
  const std::optional<LineRecord> line = StorableLineRow(grid, row);
  if (!line || !IsPointSlot(line->P1) || !IsPointSlot(line->P2)) return kLineFree;
  p1 = line->P1;
  p2 = line->P2;
  return line->Kind;
}

// Why the line in slot i breaks a line rule, against the rows before it; nothing when it keeps
// them all.
std::optional<CellRefusal> LineRuleBroken(int i, const LineRecord& line,
                                          std::span<const LineRecord> before) {
  const int row = i + 1;
  const int ends[] = {line.P1, line.P2};
  const char* const labels[] = {"始点No", "終点No"};
  for (int e = 0; e < 2; ++e) {
    if (HoldsPointBelowCount(ends[e])) continue;
    const char* label = labels[e];
    return CellRefusal{{2 + e, row},
                       StrFormat("線分No%dの%s「%d」は使われている点ではありません。"
                                 "%sを入力し直してください。",
                                 i, label, ends[e], label)};
  }
  if (line.P1 == line.P2 && NeedsDistinctEnds(line.Kind)) {
    return CellRefusal{{3, row},
                       StrFormat("線分No%dの始点と終点が同じです。種類%dの線分には"
                                 "異なる２点が必要です。終点Noを入力し直してください。",
                                 i, line.Kind)};
  }
  const int repeated = RepeatedLine(line.Kind, line.P1, line.P2, before);
  if (repeated < 0) return std::nullopt;
  return CellRefusal{{1, row},
                     StrFormat("線分No%dは線分No%dと同じ種類・同じ２点の線分です。"
                               "線分No%dを入力し直してください。",
                               i, repeated, i)};
}

void StoreLine(int i, const TableCells& grid) {
  LineRecord& line = LineTable[i];
  int p1 = 0, p2 = 0;
  const int kind = LineRowKind(grid, i + 1, p1, p2);
  MarkStored(SetIntIfChanged(line.Kind, kind));
  if (kind == kLineFree) return;
  MarkStored(SetIntIfChanged(line.P1, p1));
  MarkStored(SetIntIfChanged(line.P2, p2));
  if (line.P2 < line.P1) std::swap(line.P1, line.P2);
  line.DrawFlag = 1;
  LineCount = i + 1;
}

// The vertices of a cohesion grid: complete rows without repeats, in row order.
struct VertexList {
  std::array<CellPair, kCohesionGridRows> Vertex{};
  int Count = 0;
};

}  // namespace

void FillPointRows(TableGrid& grid) {
  for (int i = 0; i < kPointGridRows; ++i) {
    const PointRecord& point = PointTable[i];
    if (point.Id >= 0 && i < PointCount) {
      ShowCellPair(grid, i + 1, point.X, point.Y);
    } else {
      ClearCells(grid, i + 1, 1, 2);
    }
  }
}

std::string CoincidentPointsMessage(const PointClash& clash) {
  return StrFormat("エラー：点の重複があります！！　No%d- No%d", clash.First, clash.Second);
}

std::optional<CellRefusal> RefusedPointCell(const TableGrid& grid) {
  for (int row = 1; row <= kPointGridRows; ++row) {
    for (int col = 1; col <= 2; ++col) {
      const char* label = col == 1 ? "Ｘ (m)" : "Ｙ (m)";
      const std::optional<double> v = grid.CellNumber(col, row);
      if (!v || CoordinateInRange(*v)) continue;
      const std::string cell = StrFormat("点No%dの%s", row - 1, label);
      return CellRefusal{{col, row}, CoordinateRangeMessage(cell, grid.Cell(col, row))};
    }
  }
  return std::nullopt;
}

bool StorePointRows(const TableGrid& grid) {
  PointRows rows;
  ReadPointRows(grid, rows);
  if (const std::optional<PointClash> clash = FindClash(rows)) {
    ShowMessage(CoincidentPointsMessage(*clash), kAppTitle);
    return false;
  }
  PointCount = 0;
  for (int i = 0; i < kPointGridRows; ++i) StorePoint(i, rows.Row[i]);
  DeleteDanglingLines();
  return true;
}

void FillLineRows(TableGrid& grid) {
  for (int i = 0; i < kLineGridRows; ++i) {
    const LineRecord& line = LineTable[i];
    if (line.Kind >= kLineBoundary && line.Kind <= kLineResidualWater && i < LineCount) {
      grid.SetCell(1, i + 1, StrFormat("%4d", line.Kind));
      grid.SetCell(2, i + 1, StrFormat("%8d", line.P1));
      grid.SetCell(3, i + 1, StrFormat("%8d", line.P2));
    } else {
      ClearCells(grid, i + 1, 1, 3);
    }
  }
}

std::optional<CellRefusal> RefusedLineRow(const TableCells& grid) {
  std::array<LineRecord, kLineGridRows> rows;
  for (int i = 0; i < kLineGridRows; ++i) {
    const std::optional<LineRecord> line = StorableLineRow(grid, i + 1);
    rows[i] = line.value_or(LineRecord{kLineFree, 0, 0, 0});
    if (!line) continue;
    if (auto refusal = LineRuleBroken(i, *line, std::span(rows).first(i))) return refusal;
  }
  return std::nullopt;
}

void StoreLineRows(const TableCells& grid) {
  LineCount = 0;
  for (int i = 0; i < kLineGridRows; ++i) StoreLine(i, grid);
}

void FillCohesionRows(TableGrid& grid) {
  const CohesionRefLineRecord& line = cm.CohesionRefLine;
  for (int i = 0; i < kCohesionGridRows; ++i) {
    if (i < line.Count) {
      ShowCellPair(grid, i + 1, line.X[i], line.Y[i]);
    } else {
      ClearCells(grid, i + 1, 1, 2);
    }
  }
}

void StoreCohesionRows(const TableGrid& grid) {
  VertexList list;
  list.Count = CollectDistinctPairs(grid, list.Vertex);
  SortPairsByFirst(std::span(list.Vertex).first(list.Count), PairOrder::SmallestFirst);
  CohesionRefLineRecord& line = cm.CohesionRefLine;
  MarkStored(SetIntIfChanged(line.Count, list.Count));
  for (int i = 0; i < kMaxCohesionVertices; ++i) {
    const CellPair v = i < list.Count ? list.Vertex[i] : CellPair{};
    MarkStored(SetDoubleIfChanged(line.X[i], v.A));
    MarkStored(SetDoubleIfChanged(line.Y[i], v.B));
  }
}

}  // namespace selvana
