// The soil constants of one block written into the figure at its label position: a column of
// lines, one line, the water symbol, or only the block number when the figure has a soil table.
#pragma once
#include <array>
#include <string>

#include "view/figure/figure_layout.h"

namespace selvana {

// The shown lines of a block's label in label order (γt, γt', c, φ, then the sand-pile lines),
// CP932, in the column (oneLine false) or the one-line form. Lines [0, MainCount) go on the first
// line of the one-line form, the rest on the second.
struct SoilLabelLines {
  std::array<std::string, 9> Text;
  int MainCount = 0;
  int Count = 0;
};
// plotForms gives the plot file's forms of the one-line sand-pile texts.
SoilLabelLines BuildSoilLabelLines(int block, bool oneLine, bool plotForms = false);

// The label of block slot i with text height Sizes[1]. -1 (nothing) when that height is below
// 0.0001, the slot is free or its SoilLabelMode is below 0; else 0.
int LayoutSoilLabel(int i, FigureLayout& out, bool plotForms = false);

}  // namespace selvana
