// Lines, points, block markers and outlines of the model on the main view.
#include "view/model_entities.h"

#include <algorithm>
#include <optional>
#include <string>

#include "model/line_records.h"
#include "model/project_model.h"
#include "platform/number_format.h"
#include "platform/typed_number.h"
#include "view/primitives.h"
#include "view/view_ports.h"
#include "view/view_state.h"

namespace selvana {
namespace {

// Point numbers and block numbers are 12 px high.
constexpr double kLabelHeight = 12.0;

// The display switch that shows lines of a kind (1..7).
bool KindShown(int kind) {
  switch (kind) {
    case kLineBoundary: return DisplaySwitches[kShowBoundaryLines] != 0;
    case kLineUncut: return DisplaySwitches[kShowUncutLines] != 0;
    case kLineSmallArcLimit:
    case kLineLargeArcLimit: return DisplaySwitches[kShowArcLimitLines] != 0;
    case kLineSmallArcLimitPoint:
    case kLineLargeArcLimitPoint: return DisplaySwitches[kShowArcLimitPoints] != 0;
    case kLineResidualWater: return DisplaySwitches[kShowResidualWater] != 0;
    default: return false;
  }
}

// The shape of a line of a known kind between two used points.
void DrawLineShape(int kind, int p1, int p2, Rgb colour) {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  ModelToScreen(PointTable[p1].X, PointTable[p1].Y, x1, y1);
  ModelToScreen(PointTable[p2].X, PointTable[p2].Y, x2, y2);
  if (kind == kLineSmallArcLimitPoint || kind == kLineLargeArcLimitPoint) {
    DrawCircleMark(x1, y1, 3, colour);
    return;
  }
  const int style = kind == kLineBoundary ? kPenSolid : kPenDot;
  if (p1 == p2) {
    DrawScreenLine(0, y1, ViewState.ImageWidth, y1, 1, colour, style);
  } else {
    DrawScreenLine(x1, y1, x2, y2, 1, colour, style);
  }
}

// A point mark with its number label (point numbers switch); 1 when no label was drawn.
int DrawPointMark(double x, double y, int number, Rgb colour) {
  int sx = 0, sy = 0;
  ModelToScreen(x, y, sx, sy);
  DrawCircleMark(sx, sy, 1, colour);
  if (DisplaySwitches[kShowPointNames] == 0) return 1;
  DrawFixedText(StrFormat("%d", number), sx, sy, colour, kLabelHeight, kAnchorBottomCentre);
  return 0;
}

std::string GridCell(const TableCells* grid, int col, int row) {
  return grid ? grid->Cell(col, row) : std::string();
}

}  // namespace

int DrawModelLine(int i, Rgb colour) {
  if (i < 0 || i >= kMaxLines) return 1;
  const LineRecord& line = LineTable[i];
  if (line.Kind < kLineBoundary || line.Kind > kLineResidualWater) return 1;
  if (!IsPointInUse(line.P1) || !IsPointInUse(line.P2) || !KindShown(line.Kind)) return 1;
  DrawLineShape(line.Kind, line.P1, line.P2, colour);
  return 0;
}

int DrawLineFromTable(int row, Rgb colour) {
  const TableCells* grid = ViewPorts.LineTableGrid;
  const std::string kind = GridCell(grid, 1, row + 1);
  const std::string first = GridCell(grid, 2, row + 1);
  const std::string second = GridCell(grid, 3, row + 1);
  const std::optional<int> k = TypedInteger(kind);
  const std::optional<int> p1 = TypedInteger(first), p2 = TypedInteger(second);
  if (!k || !p1 || !p2) return 1;  // empty, or no number yet
  if (*k < kLineBoundary || *k > kLineLargeArcLimitPoint) return 1;
  if (!IsPointInUse(*p1) || !IsPointInUse(*p2)) return 1;
  DrawLineShape(*k, *p1, *p2, colour);
  return 0;
}

int DrawModelPoint(int i, Rgb colour) {
  if (!IsPointInUse(i)) return 1;
  return DrawPointMark(PointTable[i].X, PointTable[i].Y, i, colour);
}

int DrawPointFromTable(int row, Rgb colour) {
  const TableCells* grid = ViewPorts.PointTableGrid;
  const std::optional<double> x = TypedNumber(GridCell(grid, 1, row + 1));
  const std::optional<double> y = TypedNumber(GridCell(grid, 2, row + 1));
  if (!x || !y) return 1;  // empty, or no number yet
  return DrawPointMark(*x, *y, row, colour);
}

int DrawBlockMarker(int i, Rgb colour) {
  if (i < 0 || i >= kMaxBlocks) return 1;
  const BlockRecord& block = BlockTable[i];
  if (block.Number < 0 || DisplaySwitches[kShowBlockMarkers] == 0) return 1;
  int x = 0, y = 0;
  ModelToScreen(block.SeedX, block.SeedY, x, y);
  DrawScreenLine(x - 2, y - 2, x + 2, y + 2, 1, colour, kPenSolid);
  DrawScreenLine(x - 2, y + 2, x + 2, y - 2, 1, colour, kPenSolid);
  DrawFixedText(StrFormat("%d", block.Number), x, y, colour, kLabelHeight, kAnchorBottomCentre);
  return 0;
}

int DrawBlockOutline(Rgb colour) {
  const int count = std::min(BlockOutline.Count, static_cast<int>(BlockOutline.Points.size()));
  if (count <= 0) return 0;
  int fromX = 0, fromY = 0;
  const int last = BlockOutline.Points[count - 1];
  if (!IsPointInUse(last)) return 0;
  ModelToScreen(PointTable[last].X, PointTable[last].Y, fromX, fromY);
  for (int k = 0; k < count; ++k) {
    const int p = BlockOutline.Points[k];
    if (!IsPointInUse(p)) continue;
    int x = 0, y = 0;
    ModelToScreen(PointTable[p].X, PointTable[p].Y, x, y);
    DrawScreenLine(fromX, fromY, x, y, 1, colour, kPenSolid);
    fromX = x;
    fromY = y;
  }
  return 0;
}

}  // namespace selvana
