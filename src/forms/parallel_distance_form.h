// The rules of the parallel-line distance dialog without its window: the distance shown with
// three decimals, and OK storing the typed value. The distance is view state, not project data,
// so nothing is marked modified.
#pragma once
#include <string>
#include <string_view>

namespace selvana {

// The text of the distance edit: ParallelLineDistance as "%7.3f".
std::string ParallelDistanceText();
// The edit's text once left: its number as "%7.3f"; a text that holds none stays as it is.
std::string FormatParallelDistance(std::string_view text);
// OK: ParallelLineDistance := the number of the text; any value, zero and negative included.
void StoreParallelDistance(std::string_view text);

}  // namespace selvana
