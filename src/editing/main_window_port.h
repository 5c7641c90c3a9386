// What the editor asks of the main window and what the window hands to the editor, free of any
// toolkit: the caption, the prompt and read-out panels, the coordinate-input button, and the
// mouse on the main view.
#pragma once
#include <string>

namespace selvana {

// The prompt line's text while no operation runs.
inline constexpr char kIdlePrompt[] = "メニュー・ボタンで処理したい機能を選択してください。";
// The main window's caption without a project name, also the caption of the editor's notes.
inline constexpr char kAppTitle[] = "Selvana for Windows";

class MainWindowPort {
 public:
  virtual ~MainWindowPort() = default;
  virtual void SetCaption(const std::string& utf8) = 0;  // e.g. MainCaption(name)
  virtual void SetPrompt(const std::string& utf8) = 0;   // Panel3
  virtual void SetReadout(const std::string& utf8) = 0;  // Panel2
  virtual void SetXYButtonVisible(bool visible) = 0;     // BitBtnXY
};

enum class MouseButton { None, Left, Right, Middle };

// One mouse event on the main view, in image pixels.
struct ViewMouse {
  int X = 0;
  int Y = 0;
  MouseButton Button = MouseButton::None;  // the button pressed or released; None for a move
  bool Shift = false;
  bool Ctrl = false;
  bool Alt = false;
  bool LeftHeld = false;
  bool RightHeld = false;
  bool MiddleHeld = false;
};

// Receives the mouse on the main view (the mouse-mode state machine).
class ViewMouseHandler {
 public:
  virtual ~ViewMouseHandler() = default;
  virtual void MouseDown(const ViewMouse& mouse) = 0;
  virtual void MouseMove(const ViewMouse& mouse) = 0;
  virtual void MouseUp(const ViewMouse& mouse) = 0;
};

}  // namespace selvana
