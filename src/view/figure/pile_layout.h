// The sheet pile, the diagram of its passive earth-pressure rows and their value labels, in paper
// millimetres.
#pragma once
#include "view/figure/figure_layout.h"

namespace selvana {

// True when the pile has a length (its toe at least 0.0001 m below its top).
bool SheetPileStands();

// The pressure rows in use: RowCount kept within 0..64.
int PileRowCount();

// The pile as a line 5 px wide from its top to its toe. -1 (nothing) when it does not stand.
int LayoutSheetPile(FigureLayout& out);

// One bar per row from the pile by Intensity x Sizes[8] mm against the sliding sense, and the
// outline joining the bar ends. -1 (nothing) when the pile does not stand or Sizes[8] < 0.001.
int LayoutSheetPilePressure(FigureLayout& out);

// Row i's bar again and, unless its PileLabelMode is below 0, its value centred on its label
// position. -1 (nothing) for a row outside the rows in use or as LayoutSheetPilePressure.
int LayoutSheetPilePressureLabel(int i, FigureLayout& out);

}  // namespace selvana
