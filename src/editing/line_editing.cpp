// The line operations of the mouse editor: chains of lines of one kind from point to point, the
// one-click point limits, and the deletion of a line of one kind.
#include <array>

#include "editing/edit_picking.h"
#include "editing/edit_steps.h"
#include "editing/mouse_editor.h"
#include "model/line_records.h"
#include "model/project_model.h"
#include "view/model_entities.h"
#include "view/redraw_view.h"

namespace selvana {
namespace {

// The texts of each kind 1..7 (entry 0 unused).
struct KindTexts {
  const char* StartPrompt;  // the first step again after a chain
  const char* EndPrompt;    // the chain's next point
  const char* DeleteQuestion;
};

constexpr std::array<KindTexts, 8> kKindTexts = {{
    {"", "", ""},
    {"追加する境界線の始点をマウス(左)で選択してください。マウス(右)：取り消し",
     "追加する境界線の終点をマウス(左)で選択してください。マウス(右)：取り消し",
     "指定した境界線を削除してよろしいですか？"},
    {"追加する不切線の始点をマウス(左)で選択してください。マウス(右)：取り消し",
     "追加する不切線の終点をマウス(左)で選択してください。マウス(右)：取り消し",
     "指定した不切線を削除してよろしいですか？"},
    {"追加する円弧制限線(小)の始点をマウス(左)で選択してください。マウス(右)：取り消し",
     "追加する円弧制限線(小)の終点をマウス(左)で選択してください。マウス(右)：取り消し",
     "指定した円弧制限線(小)を削除してよろしいですか？"},
    {"追加する円弧制限線(大)の始点をマウス(左)で選択してください。マウス(右)：取り消し",
     "追加する円弧制限線(大)の終点をマウス(左)で選択してください。マウス(右)：取り消し",
     "指定した円弧制限線(大)を削除してよろしいですか？"},
    {"", "", "指定した円弧制限点(小)を削除してよろしいですか？"},
    {"", "", "指定した円弧制限点(大)を削除してしてよろしいですか？"},
    {"追加する残留水位線の始点をマウス(左)で選択してください。マウス(右)：取り消し",
     "追加する残留水位線の終点をマウス(左)で選択してください。マウス(右)：取り消し",
     "指定した残留水位線を削除してしてよろしいですか？"},
}};

bool IsPointLimit(int kind) {
  return kind == kLineSmallArcLimitPoint || kind == kLineLargeArcLimitPoint;
}

bool HasPointLimit(int kind, int point) {
  for (int i = 0; i < LineCount && i < kMaxLines; ++i) {
    const LineRecord& line = LineTable[i];
    if (line.Kind == kind && line.P1 == point && line.P2 == point) return true;
  }
  return false;
}

// The rubber band of the chain starts anew at a point.
void AnchorAtPoint(int point) {
  PointToScreen(point, MouseState.AnchorX, MouseState.AnchorY);
  MouseState.CurrentX = MouseState.AnchorX;
  MouseState.CurrentY = MouseState.AnchorY;
}

void AddPointLimit(MouseEditor& editor, int kind, int point) {
  if (HasPointLimit(kind, point)) {
    RedrawView(kRedrawModel);
    return;
  }
  if (FindFreeLineSlot() < 0) {
    RefuseFullTable("線分", kMaxLines);
    RedrawView(kRedrawModel);
    return;
  }
  const char* question = kind == kLineSmallArcLimitPoint
                             ? "円弧制限点(小)を追加してよろしいですか？"
                             : "円弧制限点(大)を追加してよろしいですか？";
  if (Confirm(question) && AddLineRecord(kind, point, point) == 0) MarkModified(true);
  editor.EndMouseMode();
}

}  // namespace

void PickLineStart(MouseEditor& editor, int x, int y) {
  const int kind = MouseState.MouseMode - 500;
  const int point = NearestPoint(ClickToModel(x, y));
  if (point < 0 || kind < kLineBoundary || kind > kLineResidualWater) return;
  DrawModelPoint(point, kYellow);
  if (IsPointLimit(kind)) {
    AddPointLimit(editor, kind, point);
    return;
  }
  MouseState.MouseMode += 10;
  editor.Prompt(kKindTexts[kind].EndPrompt);
  MouseState.SelectedIndex = point;
  AnchorAtPoint(point);
}

void PickLineNext(MouseEditor& editor, int x, int y) {
  const int kind = MouseState.MouseMode - 510;
  const int from = MouseState.SelectedIndex;
  const int to = NearestPoint(ClickToModel(x, y));
  // Kinds whose two ends must differ: a click on the chain's own start is ignored.
  if (to < 0 || (to == from && NeedsDistinctEnds(kind))) return;
  DrawModelPoint(to, kYellow);
  if (FindFreeLineSlot() < 0) {
    RefuseFullTable("線分", kMaxLines);
  } else if (AddLineRecord(kind, from, to) == 0) {
    MarkModified(true);
    if (to == from) {  // a level limit line ends the operation
      editor.EndMouseMode();
      return;
    }
  }
  RedrawView(kRedrawModel);
  DrawModelPoint(to, kYellow);
  MouseState.SelectedIndex = to;
  AnchorAtPoint(to);
}

void RestartLineAdd(MouseEditor& editor, int, int) {
  MouseState.MouseMode -= 10;
  const int kind = MouseState.MouseMode - 500;
  if (kind >= kLineBoundary && kind <= kLineResidualWater) {
    editor.Prompt(kKindTexts[kind].StartPrompt);
  }
  RedrawView(kRedrawModel);
}

void DeleteLineAt(MouseEditor&, int x, int y) {
  const int kind = MouseState.MouseMode - 600;
  if (kind < kLineBoundary || kind > kLineResidualWater) return;
  const int line = NearestLine(ClickToModel(x, y), kind);
  if (line < 0) return;
  DrawModelLine(line, kYellow);
  if (Confirm(kKindTexts[kind].DeleteQuestion)) {
    LineTable[line].Kind = kLineFree;
    CommitEdit();
    return;
  }
  RedrawView(kRedrawModel);
}

}  // namespace selvana
