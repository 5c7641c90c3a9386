// The table of mouse modes: for every mode code the handlers of the left and of the other button
// and, for steps that leave a change unconfirmed in the tables, how to undo it; and the table of
// the commands that enter the modes with their prompts. Later operations add rows here.
#pragma once
#include <array>
#include <span>
#include <string>

#include "editing/main_commands.h"
#include "editing/mouse_state.h"

namespace selvana {

class MouseEditor;

// A step handler receives the click in screen pixels.
using StepHandler = void (*)(MouseEditor& editor, int x, int y);
// Undoes the unconfirmed change of an operation in state as answering No would.
using SettleHandler = void (*)(MouseEditor& editor, MouseStateRecord& state);

// What an index of MouseState names while a step holds it picked.
enum class Held : unsigned char { Nothing, Point, BoundaryLine };

// The picks a step holds (in SelectedIndex, SecondIndex, FirstLineIndex; -1 is no pick yet) and
// how many modes before it the first step of its command lies.
struct HeldPicks {
  int Back = 0;
  Held Selected = Held::Nothing;
  Held Second = Held::Nothing;
  Held FirstLine = Held::Nothing;
};

struct MouseModeSteps {
  int First;  // the modes First..Last share these handlers
  int Last;
  StepHandler Left;
  StepHandler Other;
  SettleHandler Settle = nullptr;
  HeldPicks Holds = {};
};

// The steps of a mode; nullptr for a mode not in the table (its clicks do nothing).
const MouseModeSteps* FindModeSteps(int mode);

// Where the points and lines a step holds picked lie: the step (mode and pick indices) and, for
// each held point, its slot's id and coordinates; for each held line, its ends and their
// coordinates. Taken before a command, so that a pick the command moved or replaced shows.
struct PickedPlaces {
  std::array<int, 4> Step{};
  std::array<std::array<double, 6>, 3> Places{};
};
PickedPlaces PlacesOfPicks(const MouseStateRecord& state);

// The first step of the command of state's step when a point or line the step holds picked is no
// longer in use (a table editor or an import freed it) or, the step being the one `before` was
// taken of, no longer lies where it did (moved, replaced, given other ends); 0 otherwise.
int FirstStepAfterLostPick(const MouseStateRecord& state, const PickedPlaces& before);

// A command that enters a mode with its prompt.
struct ModeCommand {
  MainCommand Command;
  int Mode;
  const char* Prompt;
};

std::span<const ModeCommand> ModeCommands();
// The prompt of the command that enters a mode; empty when no command does.
const char* CommandPrompt(int mode);

// A label command of the drawing menu: its item `index` (0 .. Items - 1) enters the mode
// Mode + index * Step.
struct LabelCommand {
  MainCommand Command;
  int Mode;
  int Step;
  int Items;
};

std::span<const LabelCommand> LabelCommands();
// The prompt of a label mode: surcharge (1400-1405), force (1500-1508), sheet-pile row (3000-).
std::string LabelPrompt(int mode);

// The area-zoom steps, whose end gives back the interrupted operation.
inline bool IsAreaZoomMode(int mode) {
  return mode == 101 || mode == 102 || mode == 111 || mode == 112;
}

// The second-corner steps of a rectangle (area zooms and the circle-centre range): the rubber
// band runs from the first corner, which is kept in model metres (SavedX, SavedY) so that a
// zoom or scroll between the two corners keeps the corner the user drew.
inline bool IsSecondCornerMode(int mode) { return mode == 102 || mode == 112 || mode == 4001; }

}  // namespace selvana
