// Draws a layout of the calculation figure on the main view: paper millimetres through
// PaperToScreen, text heights in millimetres turned into pixels by MetresPerMm x Scale.
#pragma once
#include "platform/canvas.h"
#include "view/figure/figure_layout.h"

namespace selvana {

// Every item of the layout in the given colour, in order, on the drawing primitives.
void EmitOnScreen(const FigureLayout& layout, Rgb colour);

// Pixels of a paper length on the screen.
double PaperMmToPixels(double mm);

}  // namespace selvana
