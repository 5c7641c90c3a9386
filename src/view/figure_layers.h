// The layers of the calculation figure on the main view, each gated by its display switch and
// drawn from its layout (view/figure/) in the colour the redraw gives. Layers that show model
// values work on design values inside their own design copy. Results: 1 switched off, -1 ruled
// out by their data or size settings (or a scale without paper), 0 drawn.
#pragma once
#include "platform/canvas.h"
#include "view/figure/load_layout.h"

namespace selvana {

// Frame, rulers, titles, result box, soil table and load legend; -1 when the project title is
// not drawn.
int DrawFigureFrame(Rgb colour);
// The soil label of block slot i.
int DrawSoilLabels(int i, Rgb colour);
// The ground surface under load i with the design values; returns its point count.
int ComputeLoadSurface(int i, LoadSurface& surface);
// Load i from LoadSurfaces[i], for side 1 (XMin end) or 2 (XMax end).
int DrawSurchargeLoad(int i, int side, Rgb colour);
int DrawHorizontalForce(int i, Rgb colour);

// The result layers draw only with valid results (CalcStatus 1) and, but for the critical
// straight line, only for the circle methods.
int DrawCentreSafetyFactor(int i, Rgb colour);
int DrawSlipCircles(Rgb colour);
int DrawCriticalCircle(Rgb colour);

// The cohesion reference line, dash-dot-dot across the view.
int DrawCohesionRefLine(Rgb colour);
int DrawSheetPile(Rgb colour);
int DrawSheetPilePressure(Rgb colour);
int DrawSheetPilePressureLabel(int i, Rgb colour);

}  // namespace selvana
