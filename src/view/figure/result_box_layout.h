// The result box of the calculation figure (minimum safety factor and critical slip), the
// soil-constant table and the load legend, stacked in the top right corner under the title band.
#pragma once
#include <array>
#include <string>

#include "model/project_model.h"
#include "view/figure/figure_layout.h"

namespace selvana {

// Every label of the result box is this many CP932 bytes, so that the values line up.
inline constexpr std::size_t kResultLabelBytes = 15;
// A soil table row of ordinary values is this many bytes, the width of its columns.
inline constexpr std::size_t kSoilRowBytes = 48;

// The texts of the result box rows of the current method, top to bottom.
struct ResultBoxRows {
  std::array<std::string, 9> Text;
  int Count = 0;
};
// withResults false gives the placeholders shown before a calculation.
ResultBoxRows BuildResultBoxRows(bool withResults);

// The heading of the soil table (UTF-8) over the columns of SoilTableRow.
inline constexpr const char* kSoilTableHeader = "  No     W1      W2       C0       K       φ";

// One soil-table row of a block: number (marked with * for a sand pile), W1, W2, C0, K and φ.
std::string SoilTableRow(const BlockRecord& block);

// The result box, and below it the soil table (SoilTableMode below 0) and the load legend (the
// user's partial factors on), in rows 1.2 Sizes[4] high whose texts are three quarters of Sizes[4]
// high, clear of the rules around them. Nothing when Sizes[4] is 0.0001 or less:
// the tables below take their place and size from the box. boxAtAnySize keeps the box itself
// for any size of 0 or more (the plot writes it whatever its text height).
void LayoutResultTables(FigureLayout& out, bool withResults, bool boxAtAnySize = false);

}  // namespace selvana
