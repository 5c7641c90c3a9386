// The step handlers of the point, line and block operations (modes 200 to 740) and the settling
// of their unconfirmed changes. Each takes the click in screen pixels.
#pragma once
#include "editing/mouse_state.h"

namespace selvana {

class MouseEditor;

// Points: add (200), pick and drag and confirm a move (210, 211), delete (220).
void AddPointAt(MouseEditor& editor, int x, int y);
void PickPointToMove(MouseEditor& editor, int x, int y);
void DragPointTo(MouseEditor& editor, int x, int y);
void ConfirmPointMove(MouseEditor& editor, int x, int y);
void DeletePointAt(MouseEditor& editor, int x, int y);
void SettlePointMove(MouseEditor& editor, MouseStateRecord& state);

// Lines of the kind mode - 500 (501-507), chains from point to point (511-517), deletion of the
// kind mode - 600 (601-607).
void PickLineStart(MouseEditor& editor, int x, int y);
void PickLineNext(MouseEditor& editor, int x, int y);
void RestartLineAdd(MouseEditor& editor, int x, int y);
void DeleteLineAt(MouseEditor& editor, int x, int y);

// Blocks: add (700), move (710, 711), delete (720), copy (730, 731), edit (740).
void AddBlockAt(MouseEditor& editor, int x, int y);
void PickBlockToMove(MouseEditor& editor, int x, int y);
void DragBlockTo(MouseEditor& editor, int x, int y);
void ConfirmBlockMove(MouseEditor& editor, int x, int y);
void DeleteBlockAt(MouseEditor& editor, int x, int y);
void PickBlockToCopy(MouseEditor& editor, int x, int y);
void DragBlockCopyTo(MouseEditor& editor, int x, int y);
void ConfirmBlockCopy(MouseEditor& editor, int x, int y);
void EditBlockAt(MouseEditor& editor, int x, int y);
void SettleBlockMove(MouseEditor& editor, MouseStateRecord& state);
void SettleBlockCopy(MouseEditor& editor, MouseStateRecord& state);

// The other button of a first step.
void EndOperation(MouseEditor& editor, int x, int y);

}  // namespace selvana
