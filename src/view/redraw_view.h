// The redraw of the main view from the model: black background, grid, search range, the layers
// of the calculation figure, then lines, points and block markers, each under its display switch.
#pragma once
#include "platform/canvas.h"

namespace selvana {

enum RedrawMode : int {
  kRedrawModel = 0,       // everything from the model
  kRedrawPointTable = 1,  // points from the point table editor's grid
  kRedrawLineTable = 2,   // lines from the line table editor's grid
};

// Repaints the whole view. Returns 1 when no project is open (the view stays black), else 0.
// Never call it from inside a paint event: the widget only shows the image drawn here.
int RedrawView(int mode);

// Asked by the redraw for the slip layers: 1 when the slip circle switch is off, else 0. Draws
// nothing.
int IsSlipLayerOff(Rgb colour);

}  // namespace selvana
