// What the point input dialog does with the model, free of the toolkit: the texts it shows, the
// reformatting of its edits and the storing of its OK, in point addition (mode 200) and after a
// point is picked for a move (mode 211). In any other mode it shows and stores nothing.
#pragma once
#include <optional>
#include <string>

#include "forms/edit_refusal.h"
#include "forms/shown_number.h"

namespace selvana {

struct PointInputTexts {
  std::string No;  // the point's number, "%4d"
  std::string X;   // metres, "%10.4f"
  std::string Y;
  // The coordinates the dialog filled in, behind their texts (none for a new point).
  ShownNumber ShownX{};
  ShownNumber ShownY{};
};

// Before the dialog in mode 200: MouseState.SelectedIndex := the slot a new point takes.
// False (after telling the user) when the point table is full.
bool ChoosePointInputSlot();

// The dialog's texts when shown: empty coordinates of the new slot in mode 200, the picked
// point (where a drag left it) shown as "%10.4f" in mode 211, nothing otherwise.
PointInputTexts PointInputFill();

// The reformatting when an edit loses the focus: the number as "%4d", a coordinate as "%10.4f"
// (a text that holds no number stays as it is, for OK to refuse).
std::string FormatPointNumber(const std::string& text);
std::string FormatCoordinate(const std::string& text);

// OK's range rule, asked before StorePointInput: the first coordinate edit (2 for X, 3 for Y)
// whose number lies beyond CoordinateInRange, with its message naming the edit; else nothing.
std::optional<EditRefusal> RefusedPointCoordinate(const PointInputTexts& texts);

// OK: false, storing nothing, when another used point lies within 9e-05 m in X and Y (the
// dialog stays open) or the mode is neither 200 nor 211. Otherwise stores number, X and Y
// through the set-if-changed helpers, compared in mode 211 with the position the point was
// picked at, so a dragged position counts as a change; marks the project on a change. A
// coordinate whose text is still the one shown stands for the value shown, unrounded.
bool StorePointInput(const PointInputTexts& texts);

// After the dialog closed: a move cancelled in it puts the point back where it was picked.
void FinishPointInput(bool ok);

}  // namespace selvana
