// Fixtures of the mouse-editor tests: a main window that records its prompt, read-out and XY
// button, dialogs answered by the test, and clicks given in model metres.
#pragma once
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

#include "editing/main_commands.h"
#include "editing/mouse_editor.h"
#include "support/scripted_message_box.h"
#include "view/view_test_support.h"

namespace selvana::test {

class RecordingWindow : public MainWindowPort {
 public:
  void SetCaption(const std::string& utf8) override { caption = utf8; }
  void SetPrompt(const std::string& utf8) override { prompt = utf8; }
  void SetReadout(const std::string& utf8) override { readout = utf8; }
  void SetXYButtonVisible(bool visible) override { xyVisible = visible; }
  std::string caption, prompt, readout;
  bool xyVisible = false;
};

// Each dialog runs the test's answer (which may store as the dialog would) and counts its shows;
// a dialog without an answer fails the test.
class AnsweringDialogs : public EditorDialogs {
 public:
  bool ShowPointInput() override { return Answer(pointInput, "point input"); }
  bool ShowBlockConstants() override { return Answer(blockConstants, "block constants"); }
  bool ShowParallelDistance() override { return Answer(parallelDistance, "parallel distance"); }
  std::function<bool()> pointInput;
  std::function<bool()> blockConstants;
  std::function<bool()> parallelDistance;
  int shown = 0;

 private:
  bool Answer(const std::function<bool()>& answer, const char* name);
};

class EditorFixture : public ViewFixture {
 protected:
  EditorFixture() : ViewFixture(400, 400) {}
  void SetUp() override;

  // Runs a command as the menus do.
  void Run(MainCommand command) { commands.Run(command); }
  // A button pressed on the view at model position (x, y).
  void Click(double x, double y, MouseButton button = MouseButton::Left);
  void RightClick() { Click(0.0, 0.0, MouseButton::Right); }
  // Moves the mouse over the view to model position (x, y).
  void Move(double x, double y);
  // Expects the editor's box `text` under its caption once per answer, in order.
  void Ask(const std::string& text, std::initializer_list<MsgAnswer> answers = {MsgAnswer::Ok}) {
    for (MsgAnswer answer : answers) box.Expect(text, "確認", answer);
  }

  RecordingWindow window;
  AnsweringDialogs dialogs;
  MouseEditor editor{window, dialogs};
  CommandTable commands;
  ScriptedMessageBox box;  // a box the test did not ask for fails it
};

// Model pieces: a used point at a slot, points at slots 0, 1, ..., a line, a unit square of
// boundary lines from (x, y) with points at slots first..first + 3, a block seed.
void PutPoint(int slot, double x, double y);
void PutPoints(std::initializer_list<std::pair<double, double>> points);
void PutLine(int slot, int kind, int p1, int p2);
void PutSquare(int first, double x, double y, double size);
void PutBlock(int slot, double x, double y);

}  // namespace selvana::test
