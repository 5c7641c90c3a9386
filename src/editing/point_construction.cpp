// The four point families of the construction operations, driven by one table: what the second
// pick is, how the point is computed, which lines it splits and the words of the texts.
#include <optional>
#include <string>

#include "editing/construction_steps.h"
#include "editing/edit_picking.h"
#include "editing/mouse_editor.h"
#include "editing/mouse_modes.h"
#include "model/geometry.h"
#include "model/project_model.h"
#include "view/model_entities.h"
#include "view/redraw_view.h"

namespace selvana {
namespace {

enum class Method { Intersection, Foot, Horizontal, Vertical };

struct PointFamily {
  int Base;  // the add operation's first mode; B+10 starts the move
  Method How;
  const char* Word;            // names the point in every text
  const char* SecondPrompt;    // modes B+1 and B+12
  const char* MoveLinePrompt;  // mode B+11
};

constexpr PointFamily kFamilies[] = {
    {1700, Method::Intersection, "交点",
     "交点を計算する線分２をマウス(左)で選択してください。マウス(右)：取り消し",
     "移動先の交点を計算する線分１をマウス(左)で指定してください。マウス(右)：取り消し"},
    {1800, Method::Foot, "垂線の足",
     "垂線の足を下ろす点をマウス(左)で選択してください。マウス(右)：取り消し",
     "移動先の垂線の足を計算する線分をマウス(左)で指定してください。マウス(右)：取り消し"},
    {1900, Method::Horizontal, "水平交点",
     "水平線を定義する点をマウス(左)で選択してください。マウス(右)：取り消し",
     "水平線との交点を計算する線分をマウス(左)で指定してください。マウス(右)：取り消し"},
    {1920, Method::Vertical, "垂直交点",
     "垂直線を定義する点をマウス(左)で選択してください。マウス(右)：取り消し",
     "垂直線との交点を計算する線分をマウス(左)で指定してください。マウス(右)：取り消し"},
};

// Half the length of the guide through the base point; the lines meet beyond it as well.
constexpr double kGuideHalf = 100.0;

// The family of a mode: the last one whose base lies at or below it.
const PointFamily& FamilyOf(int mode) {
  const PointFamily* family = &kFamilies[0];
  for (const PointFamily& f : kFamilies) {
    if (f.Base <= mode) family = &f;
  }
  return *family;
}

const PointFamily& CurrentFamily() { return FamilyOf(MouseState.MouseMode); }

// The point a family builds from the first line and the second pick.
struct Constructed {
  double X = 0.0;
  double Y = 0.0;
  bool SplitsFirst = false;   // the point lies within the first line
  bool SplitsSecond = false;  // ... within the second line (intersection only)

  int SplitCount() const { return (SplitsFirst ? 1 : 0) + (SplitsSecond ? 1 : 0); }
};

// Within the first segment of IntersectSegments: on both, or outside the second only.
bool WithinFirst(int result) { return result == 0 || result == 2; }
bool WithinSecond(int result) { return result == 0 || result == 1; }

std::optional<Constructed> Compute(Method how, int firstLine, int second) {
  const LineRecord& line = LineTable[firstLine];
  const PointRecord& a = PointTable[line.P1];
  const PointRecord& b = PointTable[line.P2];
  Constructed c;
  int result = -1;
  if (how == Method::Intersection) {
    const PointRecord& p = PointTable[LineTable[second].P1];
    const PointRecord& q = PointTable[LineTable[second].P2];
    result = IntersectSegments(a.X, a.Y, b.X, b.Y, p.X, p.Y, q.X, q.Y, c.X, c.Y);
    c.SplitsSecond = WithinSecond(result);
    c.SplitsFirst = WithinFirst(result);
  } else if (how == Method::Foot) {
    const PointRecord& q = PointTable[second];
    result = PerpendicularFoot(a.X, a.Y, b.X, b.Y, q.X, q.Y, c.X, c.Y);
    c.SplitsFirst = result == 0;
  } else {
    const PointRecord& q = PointTable[second];
    const double dx = how == Method::Horizontal ? kGuideHalf : 0.0;
    const double dy = how == Method::Vertical ? kGuideHalf : 0.0;
    result =
        IntersectSegments(a.X, a.Y, b.X, b.Y, q.X - dx, q.Y - dy, q.X + dx, q.Y + dy, c.X, c.Y);
    c.SplitsFirst = WithinFirst(result);
  }
  if (result < 0) return std::nullopt;
  return c;
}

// The family's point, or its failure or near-point text. `moved` is the point a move excludes
// from the near-point test (-1 when adding).
std::optional<Constructed> ConstructOrRefuse(const PointFamily& f, int moved) {
  const std::string word = f.Word;
  const auto c = Compute(f.How, MouseState.FirstLineIndex, MouseState.SecondIndex);
  if (!c) {
    Refuse(word + "が計算できません！");
  } else if (NearPoint(c->X, c->Y, moved) >= 0) {
    Refuse(word + (moved < 0 ? "の近くに点があるため追加できません！"
                             : "の近くに点があるため移動できません！"));
  } else if (FreeLineSlotCount() < c->SplitCount()) {
    RefuseFullTable("線分", kMaxLines);
  } else {
    return c;
  }
  return std::nullopt;
}

// After a failure or a No: the first pick stays, the second is forgotten.
void KeepFirstPick() {
  MouseState.SecondIndex = -1;
  RedrawWithFeedback();
}

void SplitAtPoint(const Constructed& c, int point) {
  const int first = MouseState.FirstLineIndex;
  const int second = MouseState.SecondIndex;
  if (c.SplitsFirst) SplitLineAt(first, point);
  if (c.SplitsSecond) SplitLineAt(second, point);
}

}  // namespace

void PickConstructionLine(MouseEditor& editor, int x, int y) {
  const PointFamily& f = CurrentFamily();
  const int line = NearestLine(ClickToModel(x, y), kLineBoundary);
  if (line < 0) return;
  MouseState.FirstLineIndex = line;
  MouseState.SecondIndex = -1;
  DrawModelLine(line, kYellow);
  EnterStep(editor, f.Base + 1, f.SecondPrompt);
}

void PickConstructionSecond(MouseEditor&, int x, int y) {
  const ModelClick click = ClickToModel(x, y);
  const int item = CurrentFamily().How == Method::Intersection
                       ? NearestLine(click, kLineBoundary, MouseState.FirstLineIndex)
                       : NearestPoint(click);
  if (item < 0) return;
  MouseState.SecondIndex = item;
  RedrawWithFeedback();
}

void AddConstructedPoint(MouseEditor& editor, int, int) {
  const PointFamily& f = CurrentFamily();
  if (MouseState.SecondIndex < 0) {
    RedrawView(kRedrawModel);
    EnterStep(editor, f.Base, CommandPrompt(f.Base));
    return;
  }
  const auto c = ConstructOrRefuse(f, -1);
  if (!c) return KeepFirstPick();
  const int slot = FindFreePointSlot();
  if (slot < 0) {
    RefuseFullTable("点", kMaxPoints);
    return KeepFirstPick();
  }
  const PointRecord before = PointTable[slot];
  const int countBefore = PointCount;
  PointTable[slot] = PointRecord{slot, c->X, c->Y};
  if (slot >= PointCount) PointCount = slot + 1;
  DrawModelPoint(slot, kYellow);
  if (!Confirm((std::string(f.Word) + "を追加してよろしいですか？").c_str())) {
    PointTable[slot] = before;
    PointCount = countBefore;
    return KeepFirstPick();
  }
  SplitAtPoint(*c, slot);
  CommitEdit();
  EnterStep(editor, f.Base, CommandPrompt(f.Base));
}

void PickPointToConstruct(MouseEditor& editor, int x, int y) {
  const PointFamily& f = CurrentFamily();
  const int point = NearestPoint(ClickToModel(x, y));
  if (point < 0) return;
  MouseState.SelectedIndex = point;
  MouseState.SavedX = PointTable[point].X;
  MouseState.SavedY = PointTable[point].Y;
  MouseState.MovedFlag = 0;
  DrawModelPoint(point, kLime);
  EnterStep(editor, f.Base + 11, f.MoveLinePrompt);
}

void PickConstructionMoveLine(MouseEditor& editor, int x, int y) {
  const PointFamily& f = CurrentFamily();
  const int line = NearestLine(ClickToModel(x, y), kLineBoundary);
  if (line < 0) return;
  MouseState.FirstLineIndex = line;
  MouseState.SecondIndex = -1;
  EnterStep(editor, f.Base + 12, f.SecondPrompt);
  RedrawWithFeedback();
}

void RestartConstructionMove(MouseEditor& editor, int, int) {
  const int mode = CurrentFamily().Base + 10;
  RedrawView(kRedrawModel);
  EnterStep(editor, mode, CommandPrompt(mode));
}

void MovePointToConstruction(MouseEditor& editor, int, int) {
  const PointFamily& f = CurrentFamily();
  const int moved = MouseState.SelectedIndex;
  if (MouseState.SecondIndex < 0) {
    MouseState.FirstLineIndex = -1;
    EnterStep(editor, f.Base + 11, CommandPrompt(f.Base));
    RedrawWithFeedback();
    return;
  }
  if (!IsPointInUse(moved)) return;
  const auto c = ConstructOrRefuse(f, moved);
  if (!c) return KeepFirstPick();
  PointTable[moved].X = c->X;
  PointTable[moved].Y = c->Y;
  RedrawWithFeedback();
  if (!Confirm((std::string(f.Word) + "に移動してよろしいですか？").c_str())) {
    PointTable[moved].X = MouseState.SavedX;
    PointTable[moved].Y = MouseState.SavedY;
    return KeepFirstPick();
  }
  SplitAtPoint(*c, moved);
  CommitEdit();
  EnterStep(editor, f.Base + 10, CommandPrompt(f.Base + 10));
}

}  // namespace selvana
