// The dispatcher, read-out and rubber bands of the mouse editor, and its commands.
#include "editing/mouse_editor.h"

#include "editing/annotation_steps.h"
#include "editing/construction_steps.h"
#include "editing/edit_picking.h"
#include "editing/mouse_feedback.h"
#include "editing/mouse_modes.h"
#include "editing/view_commands.h"
#include "forms/point_input_form.h"
#include "platform/number_format.h"
#include "view/model_checks.h"
#include "view/primitives.h"
#include "view/redraw_view.h"
#include "view/view_state.h"

namespace selvana {
namespace {

using C = MainCommand;

bool DrawsLine(int mode) { return mode >= 511 && mode <= 517; }

// Erases the rubber band last drawn, moves its end to the cursor and draws it again.
void FollowRubberBand(int x, int y, int (*draw)(int, int, int, int)) {
  MouseStateRecord& s = MouseState;
  draw(s.AnchorX, s.AnchorY, s.CurrentX, s.CurrentY);
  s.CurrentX = x;
  s.CurrentY = y;
  draw(s.AnchorX, s.AnchorY, s.CurrentX, s.CurrentY);
}

}  // namespace

void RedrawWithFeedback() {
  RedrawView(kRedrawModel);
  RedrawMouseFeedback();
}

void MouseEditor::MouseDown(const ViewMouse& mouse) {
  if (mouse.Button == MouseButton::None) return;
  const MouseModeSteps* steps = FindModeSteps(MouseState.MouseMode);
  if (!steps) return;
  const StepHandler handler = mouse.Button == MouseButton::Left ? steps->Left : steps->Other;
  if (handler) handler(*this, mouse.X, mouse.Y);
  ShowXYButtonForMode();
}

void MouseEditor::MouseMove(const ViewMouse& mouse) {
  double x = 0.0, y = 0.0;
  ScreenToModel(mouse.X, mouse.Y, x, y);
  window_.SetReadout(StrFormat("X=%4.3f Y=%4.3f", x, y));
  if (IsSecondCornerMode(MouseState.MouseMode)) FollowRubberBand(mouse.X, mouse.Y, DrawXorRect);
  if (DrawsLine(MouseState.MouseMode)) FollowRubberBand(mouse.X, mouse.Y, DrawXorLine);
  if (MouseState.MouseMode == 2031) DrawParallelPreview(mouse.X, mouse.Y);
}

int MouseEditor::EndMouseMode() {
  RedrawView(kRedrawModel);
  MouseState.MouseMode = 0;
  window_.SetPrompt(kIdlePrompt);
  window_.SetXYButtonVisible(false);
  return 0;
}

void MouseEditor::SettlePendingEdit() {
  MouseStateRecord& state = IsAreaZoomMode(MouseState.MouseMode) ? SavedMouseState : MouseState;
  const MouseModeSteps* steps = FindModeSteps(state.MouseMode);
  if (!steps || !steps->Settle) return;
  steps->Settle(*this, state);
  RedrawView(kRedrawModel);
}

void MouseEditor::RememberPicks() {
  picksBefore_ = PlacesOfPicks(MouseState);
  savedPicksBefore_ = PlacesOfPicks(SavedMouseState);
}

void MouseEditor::DropLostPicks() {
  // The zoom gives the interrupted operation back at its first step, under the idle prompt.
  const int interrupted = FirstStepAfterLostPick(SavedMouseState, savedPicksBefore_);
  if (IsAreaZoomMode(MouseState.MouseMode) && interrupted) SavedMouseState.MouseMode = interrupted;
  if (const int first = FirstStepAfterLostPick(MouseState, picksBefore_)) {
    BackToFirstStep(*this, first);
  }
}

void MouseEditor::BitBtnXYClick() {
  const int mode = MouseState.MouseMode;
  window_.SetXYButtonVisible(false);
  if (mode != 200 && mode != 211) return;
  if (mode == 200 && !ChoosePointInputSlot()) return;
  const bool ok = dialogs_.ShowPointInput();
  FinishPointInput(ok);
  RedrawView(kRedrawModel);
  if (mode == 200) {
    window_.SetXYButtonVisible(true);
    return;
  }
  MouseState.MouseMode = 210;
  window_.SetPrompt("移動する点をマウス(左)で選択してください。マウス(右)：取り消し");
}

void MouseEditor::ShowXYButtonForMode() {
  const int mode = MouseState.MouseMode;
  window_.SetXYButtonVisible(mode == 200 || mode == 211);
}

void MouseEditor::SetMode(int mode, const char* prompt) {
  MouseState.MouseMode = mode;
  window_.SetPrompt(prompt);
  window_.SetXYButtonVisible(mode == 200);
}

void MouseEditor::Register(CommandTable& table) {
  for (const ModeCommand& command : ModeCommands()) {
    table.Set(command.Command, [this, command](int) { SetMode(command.Mode, command.Prompt); });
  }
  for (const LabelCommand& label : LabelCommands()) {
    table.Set(label.Command, [this, label](int index) {
      if (index < 0 || index >= label.Items) return;  // not one of the command's items
      const int mode = label.Mode + index * label.Step;
      DrawLabelTarget(mode);
      SetMode(mode, LabelPrompt(mode).c_str());
    });
  }
  table.Set(C::LNChk, [](int) { ShowLineConnectionCheck(); });
  table.Set(C::BLChk, [](int) { ShowBlockCheck(); });
  table.Set(C::ZHChk, [](int) { ShowWaterLineCheck(); });
  for (const auto& [command, mode] : {std::pair{C::AreaBig, 101}, std::pair{C::AreaSmall, 111}}) {
    table.Set(command, [this, mode](int) {
      // A zoom chosen during a zoom keeps the zoom's own state, so the operation interrupted
      // first is not resumed: its unconfirmed change is undone here rather than left behind.
      if (IsAreaZoomMode(MouseState.MouseMode)) SettlePendingEdit();
      SavedMouseState = MouseState;  // the interrupted operation goes on after the zoom
      MouseState.MouseMode = mode;
      window_.SetPrompt(FirstCornerPrompt(mode));
      RedrawWithFeedback();
    });
  }
  table.Set(C::CenSet, [this](int) {
    SetMode(4000, FirstCornerPrompt(4000));
    RedrawWithFeedback();
  });
  table.Set(C::AllShow, [](int) { AllShowClick(); });
  table.Set(C::ZoomIn, [](int) { ZoomInClick(); });
  table.Set(C::ZoomOut, [](int) { ZoomOutClick(); });
  table.Set(C::BitBtnXY, [this](int) { BitBtnXYClick(); });
  table.SettlePendingEdit = [this] { SettlePendingEdit(); };
  table.BeforeCommand = [this] { RememberPicks(); };
  table.AfterCommand = [this] {
    DropLostPicks();
    ShowXYButtonForMode();
  };
}

}  // namespace selvana
