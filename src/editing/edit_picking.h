// What the editing steps share: picking the nearest point, block or line from a click, the
// coincidence of points, the confirmation box, committing an edit, the highlights of a block
// and the refusal of an addition to a full table.
#pragma once
#include <string>

#include "editing/mouse_state.h"

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
// The nearest centre of the calculation's circle list; -1 when the list is empty.
int NearestCircleCentre(const ModelClick& click);
// The nearest line of kind k other than slot `except`; -1 when there is none.
int NearestLine(const ModelClick& click, int kind, int except = -1);

// A used point other than slot `except` lies within 9e-05 m in X and in Y of (x, y).
bool PointCoincides(double x, double y, int except = -1);
// The first used point other than slot `except` lying less than 0.001 m from (x, y) in X and
// in Y, the distance at which a constructed point counts as an existing one; -1 when none.
int NearPoint(double x, double y, int except = -1);

// How many lines can still be added.
int FreeLineSlotCount();
// Replaces line slot `line` by two boundary lines from each of its ends to `point`.
void SplitLineAt(int line, int point);

// The "確認" Yes/No question; true for Yes.
bool Confirm(const char* question);
// Moves the operation to another step with its prompt.
void EnterStep(MouseEditor& editor, int mode, const char* prompt);
// Back to the operation's first step `mode` with its command's prompt, over a fresh picture.
void BackToFirstStep(MouseEditor& editor, int mode);
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

// A refusal: the text in a "確認" box with an OK button.
void Refuse(const std::string& text);
// Tells the user that a table is full ("点", "線分", "ブロック" with its capacity).
void RefuseFullTable(const char* what, int capacity);

}  // namespace selvana
