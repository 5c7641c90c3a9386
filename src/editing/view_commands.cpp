// Fitting and zooming the main view, and the rectangle steps of the area zooms and of the
// circle-centre range.
#include "editing/view_commands.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "editing/edit_picking.h"
#include "editing/mouse_editor.h"
#include "editing/mouse_feedback.h"
#include "editing/mouse_modes.h"
#include "model/project_model.h"
#include "view/pixels.h"
#include "view/primitives.h"
#include "view/redraw_view.h"
#include "view/view_fitting.h"
#include "view/view_ports.h"
#include "view/view_state.h"

namespace selvana {
namespace {

constexpr double kZoomIn = 1.5;
constexpr double kMargin = 1.2;  // the rectangle fills the view with 20 % to spare
constexpr double kSmallestPitch = 0.001;

const char* SecondCornerPrompt(int mode) {
  switch (mode) {
    case 102:
      return "拡大する矩形領域の２点目をマウス(左)で指定してください。マウス(右)"
             "：１点目の指定に戻る";
    case 112:
      return "縮小する矩形領域の２点目をマウス(左)で指定してください。マウス(右)"
             "：１点目の指定に戻る";
    default:
      return "円弧中心を設定する矩形領域の２点目をマウス(左)で指定してください。"
             "マウス(右)：１点目の指定に戻る";
  }
}

// The smaller of the two ratios that are usable; the old scale when neither is.
double SmallerUsableRatio(double a, double b) {
  const bool aOk = std::isfinite(a) && a > 0.0;
  const bool bOk = std::isfinite(b) && b > 0.0;
  if (aOk && bOk) return std::min(a, b);
  if (aOk) return a;
  if (bOk) return b;
  return ViewState.Scale;
}

// v rounded to the nearest multiple of the pitch; a pitch below 1 mm leaves it as it is.
double RoundToPitch(double v, double pitch) {
  if (!(pitch >= kSmallestPitch)) return v;
  return std::floor(v / pitch + 0.5) * pitch;
}

void SetCentreRange(const ModelClick& a, const ModelClick& b) {
  CircleSearchSettings& settings = CircleSettingsFor(cm.kt);
  const double ax = RoundToPitch(a.X, settings.CentreX[2]);
  const double bx = RoundToPitch(b.X, settings.CentreX[2]);
  const double ay = RoundToPitch(a.Y, settings.CentreY[2]);
  const double by = RoundToPitch(b.Y, settings.CentreY[2]);
  settings.CentreX[0] = std::min(ax, bx);
  settings.CentreX[1] = std::max(ax, bx);
  settings.CentreY[0] = std::min(ay, by);
  settings.CentreY[1] = std::max(ay, by);
  MarkModified(true);
}

void ZoomToRectangle(int mode, const ModelClick& a, const ModelClick& b, int x, int y) {
  ViewState.OriginX = (a.X + b.X) * 0.5;
  ViewState.OriginY = (a.Y + b.Y) * 0.5;
  if (mode == 102) {
    ViewState.Scale = SmallerUsableRatio(ViewState.ImageWidth / (std::fabs(a.X - b.X) * kMargin),
                                         ViewState.ImageHeight / (std::fabs(a.Y - b.Y) * kMargin));
    return;
  }
  const double w = ViewState.CentreX / ViewState.Scale;
  const double h = ViewState.CentreY / ViewState.Scale;
  ViewState.Scale = SmallerUsableRatio(std::abs(MouseState.AnchorX - x) / (w * kMargin),
                                       std::abs(MouseState.AnchorY - y) / (h * kMargin));
}

// Puts a bar to a position within its range, disabled while it moves.
void PlaceBar(ViewScrollBar* bar, double position) {
  if (!bar) return;
  bar->SetEnabled(false);
  bar->SetPosition(std::clamp(SaturateInt(position), bar->Min(), bar->Max()));
  bar->SetEnabled(true);
}

void PlaceBarsAtOrigin() {
  PlaceBar(ViewPorts.HorizontalBar, ViewState.OriginX);
  if (ViewScrollBar* bar = ViewPorts.VerticalBar) {
    PlaceBar(bar, bar->Min() + bar->Max() - ViewState.OriginY);
  }
}

// The end of a rectangle: an area zoom gives back the operation it interrupted.
void EndRectangle(int mode) {
  if (IsAreaZoomMode(mode)) MouseState = SavedMouseState;
  RedrawWithFeedback();
}

void EraseRubberBand() {
  DrawXorRect(MouseState.AnchorX, MouseState.AnchorY, MouseState.CurrentX, MouseState.CurrentY);
}

}  // namespace

const char* FirstCornerPrompt(int mode) {
  switch (mode) {
    case 101: return "拡大する矩形領域の１点目をマウス(左)で指定してください。マウス(右)：取り消し";
    case 111: return "縮小する矩形領域の１点目をマウス(左)で指定してください。マウス(右)：取り消し";
    default:
      return "円弧中心を設定する矩形領域の１点目をマウス(左)で指定してください。マウス(右)"
             "：取り消し";
  }
}

void ScrollBar1Change() {
  HorizontalScrollChanged();
  RedrawMouseFeedback();
}

void ScrollBar2Change() {
  VerticalScrollChanged();
  RedrawMouseFeedback();
}

void AllShowClick() {
  FitViewToModel();
  RedrawMouseFeedback();
}

void ZoomInClick() {
  ViewState.Scale *= kZoomIn;
  RedrawWithFeedback();
}

// The scale times 2/3 rounded once, as an extended-precision 2/3 gives it; the double nearest
// 2/3 would round twice and land a step lower (50 would become 33.33333333333332859).
void ZoomOutClick() {
  ViewState.Scale = ViewState.Scale * 2.0 / 3.0;
  RedrawWithFeedback();
}

void AreaFirstCorner(MouseEditor& editor, int x, int y) {
  MouseState.AnchorX = MouseState.CurrentX = x;
  MouseState.AnchorY = MouseState.CurrentY = y;
  DrawXorRect(x, y, x, y);
  MouseState.MouseMode += 1;
  editor.Prompt(SecondCornerPrompt(MouseState.MouseMode));
  const ModelClick click = ClickToModel(x, y);
  MouseState.SavedX = click.X;
  MouseState.SavedY = click.Y;
}

void AreaSecondCorner(MouseEditor& editor, int x, int y) {
  const int mode = MouseState.MouseMode;
  EraseRubberBand();
  MouseState.CurrentX = x;
  MouseState.CurrentY = y;
  const ModelClick a{MouseState.SavedX, MouseState.SavedY};  // the first corner as drawn
  const ModelClick b = ClickToModel(x, y);
  if (mode == 4001) {
    SetCentreRange(a, b);
  } else {
    ZoomToRectangle(mode, a, b, x, y);
  }
  MouseState.MouseMode = 0;
  if (mode != 4001) PlaceBarsAtOrigin();
  editor.Prompt(kIdlePrompt);
  EndRectangle(mode);
}

void AreaRestart(MouseEditor& editor, int, int) {
  EraseRubberBand();
  MouseState.MouseMode -= 1;
  editor.Prompt(FirstCornerPrompt(MouseState.MouseMode));
}

void AreaCancel(MouseEditor& editor, int, int) {
  const int mode = MouseState.MouseMode;
  MouseState.MouseMode = 0;
  editor.Prompt(kIdlePrompt);
  EndRectangle(mode);
}

}  // namespace selvana
