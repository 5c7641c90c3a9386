// The highlights of the current mouse step over a fresh picture.
#include "editing/mouse_feedback.h"

#include "editing/annotation_steps.h"
#include "editing/edit_picking.h"
#include "editing/mouse_modes.h"
#include "editing/mouse_state.h"
#include "model/project_model.h"
#include "view/model_entities.h"
#include "view/primitives.h"
#include "view/view_state.h"

namespace selvana {
namespace {

// The picked point of a level or plumb construction with its guide across the whole image.
void PointWithGuide(int point, bool horizontal) {
  if (point < 0 || point >= kMaxPoints || PointTable[point].Id < 0) return;
  DrawModelPoint(point, kYellow);
  int sx = 0, sy = 0;
  ModelToScreen(PointTable[point].X, PointTable[point].Y, sx, sy);
  if (horizontal) {
    DrawScreenLine(0, sy, ViewState.ImageWidth, sy, 1, kYellow, kPenSolid);
  } else {
    DrawScreenLine(sx, 0, sx, ViewState.ImageHeight, 1, kYellow, kPenSolid);
  }
}

void RestartRubberBandAt(double x, double y) {
  ModelToScreen(x, y, MouseState.AnchorX, MouseState.AnchorY);
  MouseState.CurrentX = MouseState.AnchorX;
  MouseState.CurrentY = MouseState.AnchorY;
}

}  // namespace

// A slot of -1 (nothing picked yet) draws nothing: the drawing functions skip unused slots.
int RedrawMouseFeedback() {
  const MouseStateRecord& s = MouseState;
  const int mode = s.MouseMode;
  if (IsSecondCornerMode(mode)) {
    RestartRubberBandAt(s.SavedX, s.SavedY);
  } else if (mode == 211) {
    DrawModelPoint(s.SelectedIndex, kYellow);
  } else if (mode >= 511 && mode <= 518) {
    DrawModelPoint(s.SelectedIndex, kYellow);
    if (s.SelectedIndex >= 0 && s.SelectedIndex < kMaxPoints) {
      RestartRubberBandAt(PointTable[s.SelectedIndex].X, PointTable[s.SelectedIndex].Y);
    }
  } else if (mode == 711 || mode == 1301 || mode == 1311) {
    HighlightBlock(s.SelectedIndex);
  } else if (mode == 731) {
    HighlightBlock(s.SecondIndex);
  } else if (mode == 1701 || mode == 2011) {
    DrawModelLine(s.FirstLineIndex, kYellow);
    DrawModelLine(s.SecondIndex, kYellow);
  } else if (mode == 1711 || mode == 1811 || mode == 1911 || mode == 1931) {
    DrawModelPoint(s.SelectedIndex, kLime);
  } else if (mode == 1712) {
    DrawModelPoint(s.SelectedIndex, kLime);
    DrawModelLine(s.FirstLineIndex, kYellow);
    DrawModelLine(s.SecondIndex, kYellow);
  } else if (mode == 1812) {  // the base point of the foot
    DrawModelPoint(s.SelectedIndex, kLime);
    DrawModelLine(s.FirstLineIndex, kYellow);
    DrawModelPoint(s.SecondIndex, kYellow);
  } else if (mode == 1601) {
    HighlightSafetyLabelCentre(s.SelectedIndex);
  } else if (mode == 1801 || mode == 2021) {
    DrawModelLine(s.FirstLineIndex, kYellow);
    DrawModelPoint(s.SecondIndex, kYellow);
  } else if (mode == 1901 || mode == 1912 || mode == 1921 || mode == 1932) {
    if (mode == 1912 || mode == 1932) DrawModelPoint(s.SelectedIndex, kLime);
    DrawModelLine(s.FirstLineIndex, kYellow);
    PointWithGuide(s.SecondIndex, mode == 1901 || mode == 1912);
  } else if (mode == 2001) {
    DrawModelLine(s.FirstLineIndex, kYellow);
    DrawModelPoint(s.SelectedIndex, kLime);
    DrawModelPoint(s.SecondIndex, kYellow);
  } else if (mode == 2031) {
    DrawModelLine(s.FirstLineIndex, kYellow);
  }
  return 0;
}

}  // namespace selvana
