// Picking, confirming and committing for the editing steps.
#include "editing/edit_picking.h"

#include <algorithm>
#include <cmath>

#include "calc/results/consolidation.h"
#include "editing/mouse_editor.h"
#include "editing/mouse_modes.h"
#include "model/geometry.h"
#include "model/line_records.h"
#include "model/project_model.h"
#include "platform/message_box.h"
#include "platform/number_format.h"
#include "view/model_entities.h"
#include "view/redraw_view.h"
#include "view/view_state.h"

namespace selvana {
namespace {

// Nothing farther is ever picked: the nearest item wins wherever the click is.
constexpr double kPickStart = 99999999.0;
constexpr double kLinePickStart = 999999999999.0;  // squared metres
constexpr double kCoincidence = 9e-05;
constexpr double kNearPoint = 0.001;

// The nearest of the used slots below count to the click, by the position of each.
template <typename IsUsed, typename PositionOf>
int Nearest(const ModelClick& click, int count, IsUsed isUsed, PositionOf positionOf) {
  double best = kPickStart;
  int picked = -1;
  for (int i = 0; i < count; ++i) {
    if (!isUsed(i)) continue;
    const ModelClick at = positionOf(i);
    const double dx = std::fabs(click.X - at.X);
    const double dy = std::fabs(click.Y - at.Y);
    if (!(dx < best && dy < best)) continue;
    const double d = std::sqrt(dx * dx + dy * dy);
    if (d < best) {
      best = d;
      picked = i;
    }
  }
  return picked;
}

double Squared(double dx, double dy) { return dx * dx + dy * dy; }

bool IsPointSlot(int p) { return p >= 0 && p < kMaxPoints; }

// The squared distance from the click to line slot i by the rules of its kind.
double LineDistance(const ModelClick& click, const LineRecord& line) {
  const PointRecord& a = PointTable[line.P1];
  const PointRecord& b = PointTable[line.P2];
  if (line.Kind == kLineSmallArcLimitPoint || line.Kind == kLineLargeArcLimitPoint) {
    return Squared(a.X - click.X, a.Y - click.Y);
  }
  if ((line.Kind == kLineSmallArcLimit || line.Kind == kLineLargeArcLimit) && line.P1 == line.P2) {
    return Squared(0.0, a.Y - click.Y);  // a level limit: only the height counts
  }
  double fx = 0.0, fy = 0.0;
  if (PerpendicularFoot(a.X, a.Y, b.X, b.Y, click.X, click.Y, fx, fy) == 0) {
    return Squared(fx - click.X, fy - click.Y);
  }
  const double toA = Squared(a.X - click.X, a.Y - click.Y);
  const double toB = Squared(b.X - click.X, b.Y - click.Y);
  return toA < toB ? toA : toB;
}

}  // namespace

ModelClick ClickToModel(int x, int y) {
  ModelClick click;
  ScreenToModel(x, y, click.X, click.Y);
  return click;
}

int NearestPoint(const ModelClick& click) {
  return Nearest(
      click, std::min(PointCount, kMaxPoints), [](int i) { return PointTable[i].Id >= 0; },
      [](int i) {
        return ModelClick{PointTable[i].X, PointTable[i].Y};
      });
}

int NearestBlock(const ModelClick& click) {
  return Nearest(
      click, std::min(BlockCount, kMaxBlocks), [](int i) { return BlockTable[i].Number >= 0; },
      [](int i) {
        return ModelClick{BlockTable[i].SeedX, BlockTable[i].SeedY};
      });
}

int NearestCircleCentre(const ModelClick& click) {
  return Nearest(
      click, std::min(CircleListCount, kMaxCircleListEntries), [](int) { return true; },
      [](int i) {
        return ModelClick{CircleList[i].CentreX, CircleList[i].CentreY};
      });
}

int NearestLine(const ModelClick& click, int kind, int except) {
  double best = kLinePickStart;
  int picked = -1;
  for (int i = 0; i < LineCount && i < kMaxLines; ++i) {
    const LineRecord& line = LineTable[i];
    if (i == except || line.Kind != kind) continue;
    if (!IsPointSlot(line.P1) || !IsPointSlot(line.P2)) continue;
    const double s = LineDistance(click, line);
    if (s < best) {
      best = s;
      picked = i;
    }
  }
  return picked;
}

bool PointCoincides(double x, double y, int except) {
  for (int i = 0; i < PointCount && i < kMaxPoints; ++i) {
    if (i == except || PointTable[i].Id < 0) continue;
    if (std::fabs(x - PointTable[i].X) <= kCoincidence &&
        std::fabs(y - PointTable[i].Y) <= kCoincidence) {
      return true;
    }
  }
  return false;
}

int NearPoint(double x, double y, int except) {
  for (int i = 0; i < PointCount && i < kMaxPoints; ++i) {
    if (i == except || PointTable[i].Id < 0) continue;
    const PointRecord& p = PointTable[i];
    if (std::fabs(x - p.X) < kNearPoint && std::fabs(y - p.Y) < kNearPoint) return i;
  }
  return -1;
}

int FreeLineSlotCount() {
  int free = kMaxLines - std::min(LineCount, kMaxLines);
  for (int i = 0; i < LineCount && i < kMaxLines; ++i) {
    if (LineTable[i].Kind < 0 || LineTable[i].Kind > kLineResidualWater) ++free;
  }
  return free;
}

void SplitLineAt(int line, int point) {
  const LineRecord old = LineTable[line];
  LineTable[line].Kind = kLineFree;
  AddLineRecord(kLineBoundary, old.P1, point);
  AddLineRecord(kLineBoundary, old.P2, point);
}

bool Confirm(const char* question) {
  return ShowMessage(question, "確認", MsgButtons::YesNo, MsgIcon::Question) == MsgAnswer::Yes;
}

void EnterStep(MouseEditor& editor, int mode, const char* prompt) {
  MouseState.MouseMode = mode;
  editor.Prompt(prompt);
}

void BackToFirstStep(MouseEditor& editor, int mode) {
  RedrawView(kRedrawModel);
  EnterStep(editor, mode, CommandPrompt(mode));
}

void CommitEdit() {
  MarkModified(true);
  RedrawView(kRedrawModel);
}

void PointToScreen(int point, int& sx, int& sy) {
  ModelToScreen(PointTable[point].X, PointTable[point].Y, sx, sy);
}

void HighlightBlock(int i) {
  DrawBlockMarker(i, kYellow);
  if (i < 0 || i >= kMaxBlocks) return;
  if (TraceBlockRegion(BlockTable[i].SeedX, BlockTable[i].SeedY) > 2) DrawBlockOutline(kYellow);
}

void ConfirmDrag(MouseEditor& editor, const char* question, void (*undo)(const MouseStateRecord&),
                 int pickMode, const char* pickPrompt) {
  if (MouseState.MovedFlag == 1) {
    if (Confirm(question)) {
      MarkModified(true);
    } else {
      undo(MouseState);
    }
    MouseState.MovedFlag = 0;
  }
  RedrawView(kRedrawModel);
  MouseState.MouseMode = pickMode;
  editor.Prompt(pickPrompt);
}

void Refuse(const std::string& text) {
  ShowMessage(text, "確認", MsgButtons::Ok, MsgIcon::Question);
}

void RefuseFullTable(const char* what, int capacity) {
  Refuse(StrFormat("%sの数が上限(%d)に達しているため、追加できません。", what, capacity));
}

}  // namespace selvana
