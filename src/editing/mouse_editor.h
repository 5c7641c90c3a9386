// The mouse editor of the main view: the dispatcher that sends every button to the step handler
// of the current mode, the cursor read-out and rubber bands, the end of an operation, the XY
// button, and the registration of the mode and view commands. It reaches the window only
// through MainWindowPort and its dialogs through EditorDialogs, so whole operations run in tests.
#pragma once
#include "editing/main_commands.h"
#include "editing/main_window_port.h"
#include "editing/mouse_modes.h"
#include "editing/mouse_state.h"
#include "model/project_model.h"

namespace selvana {

// The modal dialogs the editing steps open.
class EditorDialogs {
 public:
  virtual ~EditorDialogs() = default;
  // The point input dialog (TXY_Frm); true when closed with OK.
  virtual bool ShowPointInput() = 0;
  // The block constants dialog (TBlk_Frm) on block MouseState.SelectedIndex; true on OK.
  virtual bool ShowBlockConstants() = 0;
  // The parallel-line distance dialog (TPLine_Frm); true when closed with OK.
  virtual bool ShowParallelDistance() = 0;
};

class MouseEditor : public ViewMouseHandler {
 public:
  MouseEditor(MainWindowPort& window, EditorDialogs& dialogs)
      : window_(window), dialogs_(dialogs) {}

  // Registers the edit, drawing and view commands, the check views, the XY button, the
  // settling of pending edits and the dropping of lost picks after every command.
  // The editor must outlive the table.
  void Register(CommandTable& table);

  // Image1MouseDown: left button to the mode's left handler, right or middle to its other one;
  // then the XY button follows the mode the step left.
  void MouseDown(const ViewMouse& mouse) override;
  // Image1MouseMove: the model read-out in Panel2 and the rubber band of the current mode.
  void MouseMove(const ViewMouse& mouse) override;
  void MouseUp(const ViewMouse&) override {}

  // Redraws, goes idle with the idle prompt and hides the XY button. Returns 0.
  int EndMouseMode();
  // The XY button: the point input dialog, in modes 200 and 211 only.
  void BitBtnXYClick();
  // Undoes an unconfirmed change as answering No would (also that of an operation an area zoom
  // interrupted) and drops its highlights.
  void SettlePendingEdit();
  // Before every command (once a pending edit is settled): remembers where the picks of the
  // current step and of the step an area zoom interrupted lie.
  void RememberPicks();
  // After every command: a step whose picked point or line the command freed, moved, replaced
  // or gave other ends (the current step, or the one an area zoom interrupted) goes back to the
  // first step of its operation.
  void DropLostPicks();

  // What the step handlers use.
  void Prompt(const char* utf8) { window_.SetPrompt(utf8); }
  void ShowXYButton(bool visible) { window_.SetXYButtonVisible(visible); }
  EditorDialogs& Dialogs() { return dialogs_; }
  // The record a block copy took its slot from, put back when the copy is abandoned.
  BlockRecord& ReplacedBlock() { return replacedBlock_; }

 private:
  // Enters a mode with its prompt; the XY button shows in point addition only.
  void SetMode(int mode, const char* prompt);
  // The XY button shows exactly in the modes whose point input stores: 200 and 211.
  void ShowXYButtonForMode();

  MainWindowPort& window_;
  EditorDialogs& dialogs_;
  BlockRecord replacedBlock_;
  PickedPlaces picksBefore_;       // of MouseState, before the running command
  PickedPlaces savedPicksBefore_;  // of SavedMouseState
};

// The view redrawn from the model, then the highlights of the current step.
void RedrawWithFeedback();

}  // namespace selvana
