// The line edits of the construction operations: change a line's end, join two lines that share
// an end, divide a line at a point, and lay parallel lines at the set distance.
#include <optional>

#include "editing/construction_steps.h"
#include "editing/edit_picking.h"
#include "editing/mouse_editor.h"
#include "editing/mouse_modes.h"
#include "model/geometry.h"
#include "model/line_records.h"
#include "model/project_model.h"
#include "platform/canvas.h"
#include "view/model_entities.h"
#include "view/primitives.h"
#include "view/redraw_view.h"
#include "view/view_state.h"

namespace selvana {
namespace {

constexpr char kParallelPlacePrompt[] =
    "平行線を追加する位置をマウス(左)で選択してください。マウス(右)：取り消し";

// The boundary line nearest the click as the operation's line; -1 when there is none.
int PickLine(int x, int y) {
  const int line = NearestLine(ClickToModel(x, y), kLineBoundary);
  if (line < 0) return -1;
  MouseState.FirstLineIndex = line;
  MouseState.SecondIndex = -1;
  DrawModelLine(line, kYellow);
  return line;
}

// After a No or a refusal the line stays picked and the second pick is forgotten.
void KeepLinePick() {
  MouseState.SecondIndex = -1;
  RedrawWithFeedback();
}

bool IsEndOf(const LineRecord& line, int point) { return line.P1 == point || line.P2 == point; }

double SquaredDistance(const PointRecord& p, const ModelClick& c) {
  return (p.X - c.X) * (p.X - c.X) + (p.Y - c.Y) * (p.Y - c.Y);
}

// The ends of the joined line: the two ends the lines do not share; nullopt when they share none.
std::optional<std::pair<int, int>> JoinedEnds(const LineRecord& l1, const LineRecord& l2) {
  if (l1.P1 == l2.P1) return std::pair{l1.P2, l2.P2};
  if (l1.P1 == l2.P2) return std::pair{l1.P2, l2.P1};
  if (l1.P2 == l2.P1) return std::pair{l1.P1, l2.P2};
  if (l1.P2 == l2.P2) return std::pair{l1.P1, l2.P1};
  return std::nullopt;
}

// The segment parallel to P1-P2 at distance d on the side of the click, by the ends Q1 (beside
// P1) and Q2 (beside P2).
struct ParallelSegment {
  double X1 = 0.0, Y1 = 0.0, X2 = 0.0, Y2 = 0.0;
};

std::optional<ParallelSegment> ParallelOnSide(const PointRecord& p1, const PointRecord& p2,
                                              bool left, double d) {
  ParallelSegment s;
  const double side = left ? d : -d;
  if (OffsetPointPerpendicular(p1.X, p1.Y, p2.X, p2.Y, side, s.X2, s.Y2) < 0) return std::nullopt;
  if (OffsetPointPerpendicular(p2.X, p2.Y, p1.X, p1.Y, -side, s.X1, s.Y1) < 0) {
    return std::nullopt;
  }
  return s;
}

// The click lies left of P1->P2 (a click on the line counts as right).
bool IsLeftOf(const PointRecord& p1, const PointRecord& p2, const ModelClick& c) {
  return CrossProduct2(p1.X, p1.Y, p2.X, p2.Y, p1.X, p1.Y, c.X, c.Y) > 0.0;
}

bool PickedEndsAreUsed() {
  return IsPointInUse(MouseState.SelectedIndex) && IsPointInUse(MouseState.SecondIndex);
}

// A used point within 0.001 m, else a new point in the first free slot.
int PointAtOrNew(double x, double y) {
  const int near = NearPoint(x, y);
  if (near >= 0) return near;
  const int slot = FindFreePointSlot();
  PointTable[slot] = PointRecord{slot, x, y};
  if (slot >= PointCount) PointCount = slot + 1;
  return slot;
}

// Room for the points of a parallel line that are not there yet.
bool HasRoomForPoints(const ParallelSegment& s) {
  int needed = (NearPoint(s.X2, s.Y2) < 0 ? 1 : 0) + (NearPoint(s.X1, s.Y1) < 0 ? 1 : 0);
  for (int i = 0; i < kMaxPoints && needed > 0; ++i) {
    if (i >= PointCount || PointTable[i].Id < 0) --needed;
  }
  return needed <= 0;
}

// The distance dialog: OK places lines on the next clicks, Cancel goes back to picking a line.
void AskParallelDistance(MouseEditor& editor) {
  if (editor.Dialogs().ShowParallelDistance()) {
    EnterStep(editor, 2031, kParallelPlacePrompt);
  } else {
    BackToFirstStep(editor, 2030);
  }
}

}  // namespace

void EndChangePickLine(MouseEditor& editor, int x, int y) {
  const int line = PickLine(x, y);
  if (line < 0) return;
  const ModelClick click = ClickToModel(x, y);
  const LineRecord& l = LineTable[line];
  const bool second =
      SquaredDistance(PointTable[l.P2], click) < SquaredDistance(PointTable[l.P1], click);
  MouseState.SelectedIndex = second ? l.P2 : l.P1;
  DrawModelPoint(MouseState.SelectedIndex, kLime);
  EnterStep(editor, 2001,
            "指定した端点を付け替える点をマウス(左)で選択してください。マウス(右)：取り消し");
}

void EndChangePickPoint(MouseEditor&, int x, int y) {
  const int point = NearestPoint(ClickToModel(x, y));
  if (point < 0) return;
  MouseState.SecondIndex = point;
  RedrawWithFeedback();
}

// A refused replacement (the new point is the kept end, or the line exists) leaves the line
// removed, as the user asked for a change of this line.
void ChangeLineEnd(MouseEditor& editor, int, int) {
  if (MouseState.SecondIndex < 0) return BackToFirstStep(editor, 2000);
  if (!Confirm("端点を変更してよろしいですか？")) return KeepLinePick();
  LineRecord& line = LineTable[MouseState.FirstLineIndex];
  const int kept = line.P1 == MouseState.SelectedIndex ? line.P2 : line.P1;
  line.Kind = kLineFree;
  AddLineRecord(kLineBoundary, kept, MouseState.SecondIndex);
  CommitEdit();
  EnterStep(editor, 2000, CommandPrompt(2000));
}

void JoinPickLine1(MouseEditor& editor, int x, int y) {
  if (PickLine(x, y) < 0) return;
  EnterStep(editor, 2011, "合成する線分２をマウス(左)で選択してください。マウス(右)：取り消し");
}

void JoinPickLine2(MouseEditor&, int x, int y) {
  const int first = MouseState.FirstLineIndex;
  const int line = NearestLine(ClickToModel(x, y), kLineBoundary, first);
  if (line < 0 || !JoinedEnds(LineTable[first], LineTable[line])) return;
  MouseState.SecondIndex = line;
  RedrawWithFeedback();
}

void JoinLines(MouseEditor& editor, int, int) {
  const int second = MouseState.SecondIndex;
  if (second < 0) return BackToFirstStep(editor, 2010);
  LineRecord& first = LineTable[MouseState.FirstLineIndex];
  const auto ends = JoinedEnds(first, LineTable[second]);
  if (!ends) {
    Refuse("線分が合成できません！");
    return KeepLinePick();
  }
  if (!Confirm("線分を合成してよろしいですか？")) return KeepLinePick();
  first.Kind = kLineFree;
  LineTable[second].Kind = kLineFree;
  AddLineRecord(kLineBoundary, ends->first, ends->second);
  CommitEdit();
  EnterStep(editor, 2010, CommandPrompt(2010));
}

void DividePickLine(MouseEditor& editor, int x, int y) {
  if (PickLine(x, y) < 0) return;
  EnterStep(editor, 2021, "分割する点をマウス(左)で選択してください。マウス(右)：取り消し");
}

void DividePickPoint(MouseEditor&, int x, int y) {
  const int point = NearestPoint(ClickToModel(x, y));
  if (point < 0 || IsEndOf(LineTable[MouseState.FirstLineIndex], point)) return;
  MouseState.SecondIndex = point;
  RedrawWithFeedback();
}

void DivideLine(MouseEditor& editor, int, int) {
  const int point = MouseState.SecondIndex;
  if (point < 0) return BackToFirstStep(editor, 2020);
  const int line = MouseState.FirstLineIndex;
  if (IsEndOf(LineTable[line], point)) {
    Refuse("線分が分割できません！");
    return KeepLinePick();
  }
  if (FreeLineSlotCount() < 1) {
    RefuseFullTable("線分", kMaxLines);
    return KeepLinePick();
  }
  if (!Confirm("線分を分割してよろしいですか？")) return KeepLinePick();
  SplitLineAt(line, point);
  CommitEdit();
  EnterStep(editor, 2020, CommandPrompt(2020));
}

void ParallelPickLine(MouseEditor& editor, int x, int y) {
  const int line = PickLine(x, y);
  if (line < 0) return;
  MouseState.SelectedIndex = LineTable[line].P1;
  MouseState.SecondIndex = LineTable[line].P2;
  AskParallelDistance(editor);
}

// Points lying within 0.001 m of a new end are reused; a line the table refuses (equal ends,
// already there) leaves the points it created.
void AddParallelLine(MouseEditor& editor, int x, int y) {
  if (!PickedEndsAreUsed()) return;
  const PointRecord& p1 = PointTable[MouseState.SelectedIndex];
  const PointRecord& p2 = PointTable[MouseState.SecondIndex];
  const ModelClick click = ClickToModel(x, y);
  const auto s = ParallelOnSide(p1, p2, IsLeftOf(p1, p2, click), ParallelLineDistance);
  if (!s) return;
  if (!HasRoomForPoints(*s)) return RefuseFullTable("点", kMaxPoints);
  if (FreeLineSlotCount() < 1) return RefuseFullTable("線分", kMaxLines);
  const int q2 = PointAtOrNew(s->X2, s->Y2);
  const int q1 = PointAtOrNew(s->X1, s->Y1);
  AddLineRecord(kLineBoundary, q2, q1);
  MarkModified(true);
  RedrawWithFeedback();
  AskParallelDistance(editor);
}

void RestartParallelLine(MouseEditor& editor, int, int) {
  RedrawWithFeedback();
  AskParallelDistance(editor);
}

void DrawParallelPreview(int x, int y) {
  if (!PickedEndsAreUsed()) return;
  const PointRecord& p1 = PointTable[MouseState.SelectedIndex];
  const PointRecord& p2 = PointTable[MouseState.SecondIndex];
  const bool left = IsLeftOf(p1, p2, ClickToModel(x, y));
  for (const bool side : {left, !left}) {
    const auto s = ParallelOnSide(p1, p2, side, ParallelLineDistance);
    if (!s) return;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    ModelToScreen(s->X2, s->Y2, x2, y2);
    ModelToScreen(s->X1, s->Y1, x1, y1);
    DrawScreenLine(x2, y2, x1, y1, 1, side == left ? kYellow : kBlack, kPenSolid);
  }
}

}  // namespace selvana
