// The plot of the calculation figure: the figure the main view shows after a calculation,
// written a second time into the plot file of the program folder, on numbered layers, with the
// design values of the model, positions in paper millimetres and the content clipped to the
// drawing area inside the ruler and title bands.
#pragma once
#include "output/plot_file.h"

namespace selvana {

// The plot file being written with the frame it is laid out on.
struct PlotSheet {
  PlotFile file;
  double W = 0.0, H = 0.0;  // frame size in paper mm
  PlotClipWindow clip;      // (10, 10) to (W, H - 10)
};

// Writes "SBPLOT01.PLT" in the program folder (left current afterwards) with the model's
// design values in force meanwhile and the user's back afterwards. 0 when written; -1 when the
// file could not be created or written, after a message naming it.
int WritePlotFile();

// The layers of the plot. Each returns 0 when it wrote, -1 when its guard left nothing.
int PlotFigureFrame(PlotSheet& sheet);
int PlotPointNumber(PlotSheet& sheet, int i);
int PlotTerrainLine(PlotSheet& sheet, int i);

}  // namespace selvana
