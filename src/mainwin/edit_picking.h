// What the editing steps share: picking the nearest point, block or line from a click, the
// coincidence of points, the confirmation box, committing an edit, the highlights of a block
// and the refusal of an addition to a full table.
#pragma once
#include "mainwin/mouse_state.h"

namespace selvana {

class MouseEditor;

// The click in model metres.
struct ModelClick {
  double X = 0.0;
  double Y = 0.0;
};
ModelClick ClickToModel(int x, int y);

// The nearest used point (or block seed) to the click; -1 when the table holds none. Ties keep
// the lower slot.
int NearestPoint(const ModelClick& click);
int NearestBlock(const ModelClick& click);
// The nearest line of kind k; -1 when there is none.
int NearestLine(const ModelClick& click, int kind);

// A used point other than slot `except` lies within 9e-05 m in X and in Y of (x, y).
bool PointCoincides(double x, double y, int except = -1);

// The "確認" Yes/No question; true for Yes.
bool Confirm(const char* question);
// Marks the project changed and the results stale, then redraws the view.
void CommitEdit();
// The screen position of a point slot.
void PointToScreen(int point, int& sx, int& sy);

// The marker of block slot i in yellow and, when its seed traces a region of more than two
// points, the outline too.
void HighlightBlock(int i);

// The closing step of a drag: when the item was dragged, asks the question; Yes commits, No
// calls undo. Then redraws and goes back to the pick step with its prompt.
void ConfirmDrag(MouseEditor& editor, const char* question, void (*undo)(const MouseStateRecord&),
                 int pickMode, const char* pickPrompt);

// Tells the user that a table is full ("点", "線分", "ブロック" with its capacity).
void RefuseFullTable(const char* what, int capacity);

}  // namespace selvana
