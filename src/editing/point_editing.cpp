// The point operations of the mouse editor: add, move with confirmation, delete with the lines
// that end on the point.
#include "editing/edit_picking.h"
#include "editing/edit_steps.h"
#include "editing/mouse_editor.h"
#include "model/project_model.h"
#include "view/model_entities.h"
#include "view/redraw_view.h"

namespace selvana {
namespace {

constexpr char kMovePickPrompt[] = "移動する点をマウス(左)で選択してください。マウス(右)：取り消し";

bool EndsOnPoint(const LineRecord& line, int point) {
  return line.Kind >= 0 && line.Kind <= kLineResidualWater &&
         (line.P1 == point || line.P2 == point);
}

// Puts the point of a move back where it was picked.
void RestorePoint(const MouseStateRecord& state) {
  const int i = state.SelectedIndex;
  if (i < 0 || i >= kMaxPoints) return;
  PointTable[i].X = state.SavedX;
  PointTable[i].Y = state.SavedY;
}

}  // namespace

void AddPointAt(MouseEditor& editor, int x, int y) {
  const ModelClick click = ClickToModel(x, y);
  if (PointCoincides(click.X, click.Y)) return;
  const int slot = FindFreePointSlot();
  if (slot < 0) {
    RefuseFullTable("点", kMaxPoints);
    return;
  }
  const PointRecord before = PointTable[slot];
  PointTable[slot] = PointRecord{slot, click.X, click.Y};
  DrawModelPoint(slot, kYellow);
  if (Confirm("点を追加してよろしいですか？")) {
    if (slot >= PointCount) PointCount = slot + 1;
    CommitEdit();
  } else {
    PointTable[slot] = before;
    RedrawView(kRedrawModel);
  }
  editor.ShowXYButton(true);
}

void PickPointToMove(MouseEditor& editor, int x, int y) {
  const int point = NearestPoint(ClickToModel(x, y));
  if (point < 0) return;
  DrawModelPoint(point, kYellow);
  editor.Prompt("点を移動する先の位置をマウス(左)で指定してください。マウス(右)：取り消し");
  MouseState.MouseMode = 211;
  MouseState.SelectedIndex = point;
  MouseState.MovedFlag = 0;
  MouseState.SavedX = PointTable[point].X;
  MouseState.SavedY = PointTable[point].Y;
  editor.ShowXYButton(true);
}

void DragPointTo(MouseEditor&, int x, int y) {
  const int point = MouseState.SelectedIndex;
  if (point < 0 || point >= kMaxPoints) return;
  const ModelClick click = ClickToModel(x, y);
  if (PointCoincides(click.X, click.Y, point)) return;
  PointTable[point].X = click.X;
  PointTable[point].Y = click.Y;
  RedrawView(kRedrawModel);
  DrawModelPoint(point, kYellow);
  MouseState.MovedFlag = 1;
}

void ConfirmPointMove(MouseEditor& editor, int, int) {
  ConfirmDrag(editor, "点を移動してよろしいですか？", RestorePoint, 210, kMovePickPrompt);
}

void SettlePointMove(MouseEditor&, MouseStateRecord& state) {
  if (state.MovedFlag == 1) RestorePoint(state);
  state.MovedFlag = 0;
}

void DeletePointAt(MouseEditor&, int x, int y) {
  const int point = NearestPoint(ClickToModel(x, y));
  if (point < 0) return;
  DrawModelPoint(point, kYellow);
  for (int i = 0; i < LineCount && i < kMaxLines; ++i) {
    if (EndsOnPoint(LineTable[i], point)) DrawModelLine(i, kYellow);
  }
  if (Confirm("点を削除してよろしいですか？(関連する線分も削除されます)")) {
    PointTable[point] = PointRecord{-1, 0.0, 0.0};
    for (int i = 0; i < LineCount && i < kMaxLines; ++i) {
      if (EndsOnPoint(LineTable[i], point)) LineTable[i].Kind = kLineFree;
    }
    CommitEdit();
    return;
  }
  RedrawView(kRedrawModel);
}

}  // namespace selvana
