// The step handlers of the construction operations (modes 1700 to 2031): points built at the
// intersection of two boundary lines, at the foot of a perpendicular and where the horizontal or
// the vertical through a point meets a line, added or reached by moving a point; and the line
// edits: change an end, join, divide, parallel line. Each takes the click in screen pixels.
#pragma once

namespace selvana {

class MouseEditor;

// The four point families share these steps; the family follows from the mode (1700, 1800,
// 1900, 1920 and the steps after each).
// Adding: pick the first line (B), pick the second line or base point (B+1 left), build (B+1
// other).
void PickConstructionLine(MouseEditor& editor, int x, int y);
void PickConstructionSecond(MouseEditor& editor, int x, int y);
void AddConstructedPoint(MouseEditor& editor, int x, int y);
// Moving: pick the point (B+10), the first line (B+11 left; other steps back), the second item
// (B+12 left, as above), move (B+12 other).
void PickPointToConstruct(MouseEditor& editor, int x, int y);
void PickConstructionMoveLine(MouseEditor& editor, int x, int y);
void RestartConstructionMove(MouseEditor& editor, int x, int y);
void MovePointToConstruction(MouseEditor& editor, int x, int y);

// End change (2000, 2001).
void EndChangePickLine(MouseEditor& editor, int x, int y);
void EndChangePickPoint(MouseEditor& editor, int x, int y);
void ChangeLineEnd(MouseEditor& editor, int x, int y);
// Join (2010, 2011).
void JoinPickLine1(MouseEditor& editor, int x, int y);
void JoinPickLine2(MouseEditor& editor, int x, int y);
void JoinLines(MouseEditor& editor, int x, int y);
// Divide (2020, 2021).
void DividePickLine(MouseEditor& editor, int x, int y);
void DividePickPoint(MouseEditor& editor, int x, int y);
void DivideLine(MouseEditor& editor, int x, int y);
// Parallel line (2030, 2031).
void ParallelPickLine(MouseEditor& editor, int x, int y);
void AddParallelLine(MouseEditor& editor, int x, int y);
void RestartParallelLine(MouseEditor& editor, int x, int y);

// The line a click at (x, y) in mode 2031 would add in yellow, the other side's in black.
void DrawParallelPreview(int x, int y);

}  // namespace selvana
