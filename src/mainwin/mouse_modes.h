// The table of mouse modes: for every mode code the handlers of the left and of the other button
// and, for steps that leave a change unconfirmed in the tables, how to undo it; and the table of
// the commands that enter the modes with their prompts. Later operations add rows here.
#pragma once
#include <span>

#include "mainwin/main_commands.h"
#include "mainwin/mouse_state.h"

namespace selvana {

class MouseEditor;

// A step handler receives the click in screen pixels.
using StepHandler = void (*)(MouseEditor& editor, int x, int y);
// Undoes the unconfirmed change of an operation in state as answering No would.
using SettleHandler = void (*)(MouseEditor& editor, MouseStateRecord& state);

struct MouseModeSteps {
  int First;  // the modes First..Last share these handlers
  int Last;
  StepHandler Left;
  StepHandler Other;
  SettleHandler Settle = nullptr;
};

// The steps of a mode; nullptr for a mode not in the table (its clicks do nothing).
const MouseModeSteps* FindModeSteps(int mode);

// A command that enters a mode with its prompt.
struct ModeCommand {
  MainCommand Command;
  int Mode;
  const char* Prompt;
};

std::span<const ModeCommand> ModeCommands();

// The area-zoom steps, whose end gives back the interrupted operation.
inline bool IsAreaZoomMode(int mode) {
  return mode == 101 || mode == 102 || mode == 111 || mode == 112;
}

}  // namespace selvana
