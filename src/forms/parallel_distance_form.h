// The rules of the parallel-line distance dialog without its window: the distance shown with
// three decimals, and OK storing the typed value. The distance is view state, not project data,
// so nothing is marked modified.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "forms/edit_refusal.h"
#include "forms/shown_number.h"

namespace selvana {

// The distance edit as filled: ParallelLineDistance shown as "%7.3f".
ShownNumber ShowParallelDistance();
// The edit's text once left: its number as "%7.3f"; a text that holds none stays as it is.
std::string FormatParallelDistance(std::string_view text);
// OK's range rule, asked before the store: a distance that would put a corner of the parallel
// line (either side of the picked line MouseState.SelectedIndex - SecondIndex) beyond
// CoordinateInRange is refused, naming the edit (1); otherwise nothing.
std::optional<EditRefusal> RefusedParallelDistance(std::string_view text, const ShownNumber& shown);
// OK: ParallelLineDistance := the number of the text (the distance shown while the text is
// still the one filled in); any value, zero and negative included.
void StoreParallelDistance(std::string_view text, const ShownNumber& shown);

}  // namespace selvana
