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

// One soil-table row of a block: number (marked with * for a sand pile), W1, W2, C0, K and φ.
std::string SoilTableRow(const BlockRecord& block);

// Where the tables are drawn. Both write one text per row, Sizes[4] high, from the row's left
// edge with its bottom a tenth of the height above the row's line; the plot has its own
// soil-table heading and writes the result box at any text height of 0 or more.
enum class TablesFor { kScreen, kPlot };

// The result box, and below it the soil table (SoilTableMode below 0) and the load legend (the
// user's partial factors on), in rows 1.2 Sizes[4] high. Nothing when Sizes[4] is 0.0001 or less
// (but the plot's box): the tables below take their place and size from the box.
void LayoutResultTables(FigureLayout& out, bool withResults, TablesFor target);

}  // namespace selvana
