// The plot of the calculation figure: the figure the main view shows after a calculation,
// written a second time into the plot file of the program folder from the same layouts, on
// numbered layers, with the design values of the model, positions in paper millimetres and the
// model's content clipped to the drawing area inside the ruler and title bands.
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

// The layers of the plot, in the order WritePlotFile writes them. Each returns 0 when it wrote,
// -1 when its guard left nothing to write. The result layers write only with valid results.
int PlotFigureFrame(PlotSheet& sheet);
int PlotProjectTitle(PlotSheet& sheet);
int PlotPointNumber(PlotSheet& sheet, int i);
int PlotTerrainLine(PlotSheet& sheet, int i);
int PlotSlipCircles(PlotSheet& sheet);
int PlotCriticalCircle(PlotSheet& sheet);
int PlotSheetPile(PlotSheet& sheet);
int PlotSheetPilePressure(PlotSheet& sheet);
int PlotSheetPilePressureLabel(PlotSheet& sheet, int j);
int PlotCentreSafetyFactor(PlotSheet& sheet, int i);
int PlotSoilLabels(PlotSheet& sheet, int i);
// Both ends of load i in one: diagram, arrows, end labels and, for the Bishop methods, the
// width dimension.
int PlotSurchargeLoad(PlotSheet& sheet, int i);
// A negative force is shown on the screen but not plotted.
int PlotHorizontalForce(PlotSheet& sheet, int i);

}  // namespace selvana
