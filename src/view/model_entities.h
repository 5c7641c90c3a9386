// Drawing the model itself on the main view: lines by kind, points with their numbers, block
// markers and a traced block outline; and the previews of the point and line table editors.
// Each returns 1 when nothing (or no label) was drawn, else 0.
#pragma once
#include "platform/canvas.h"

namespace selvana {

// Line slot i: arc-limit points (kinds 5, 6) as a 3 px circle at the first end; other kinds as a
// segment, solid for boundary lines and dotted otherwise, or a horizontal line across the whole
// view when both ends are the same point. Not drawn when its kind's display switch is off.
int DrawModelLine(int i, Rgb colour);
// The same for row `row` of the line table editor's grid (kind, first and second point in
// columns 1 to 3 of grid row row + 1); kinds 1 to 6 only, no display switch. Not drawn while a
// cell of the row is empty or holds no whole number.
int DrawLineFromTable(int row, Rgb colour);

// Point slot i: a 1 px circle and, with point numbers on, its slot number 12 px high above it.
int DrawModelPoint(int i, Rgb colour);
// The same for row `row` of the point table editor's grid (X, Y in columns 1 and 2), numbered row;
// not drawn while a cell of the row is empty or holds no number.
int DrawPointFromTable(int row, Rgb colour);

// Block slot i (with block markers on): an X-shaped cross at the seed point and the block number.
int DrawBlockMarker(int i, Rgb colour);

// The traced block outline (model/line_records.h) as a closed polyline. Returns 0.
int DrawBlockOutline(Rgb colour);

}  // namespace selvana
