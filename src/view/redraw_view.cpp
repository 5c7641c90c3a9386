// The main view redraw: the fixed order of the layers and the colours of the model entities.
#include "view/redraw_view.h"

#include "calc/results/consolidation.h"
#include "model/design_copy.h"
#include "model/project_model.h"
#include "view/background_grid.h"
#include "view/figure/pile_layout.h"
#include "view/figure/slip_layout.h"
#include "view/figure_frame.h"
#include "view/figure_layers.h"
#include "view/model_entities.h"
#include "view/search_range.h"
#include "view/view_fitting.h"
#include "view/view_ports.h"

namespace selvana {
namespace {

// Rows of the table editors that the previews walk: one for every point and line slot.
constexpr int kTableRows = kMaxPoints;

void ClearView() {
  if (Canvas* canvas = ViewCanvas()) {
    canvas->FillRect(0, 0, canvas->Width(), canvas->Height(), kBlack);
  }
}

// The layers of the calculation figure, in lime: frame and tables, soil labels, the ground under
// each load, both ends of every surcharge, the horizontal forces, the listed circle centres, the
// marked circles and the critical slip.
void DrawFigureLayers() {
  DrawFigureFrame(kLime);
  IsSlipLayerOff(kLime);
  for (int i = 0; i < BlockCount && i < kMaxBlocks; ++i) DrawSoilLabels(i, kLime);
  for (int i = 0; i < kSurchargeCount; ++i) ComputeLoadSurface(i, LoadSurfaces[i]);
  for (int i = 0; i < kSurchargeCount; ++i) {
    DrawSurchargeLoad(i, 1, kLime);
    DrawSurchargeLoad(i, 2, kLime);
  }
  for (int i = 0; i < kForceCount; ++i) DrawHorizontalForce(i, kLime);
  for (int i = 0; i < CircleListCount && i < kMaxCircleListEntries; ++i) {
    DrawCentreSafetyFactor(i, kLime);
  }
  CollectSlipCircles();
  DrawSlipCircles(kLime);
  SetSlipGeometry(-1);
  DrawCriticalCircle(kLime);
}

// The sheet-pile layers, in red.
void DrawSheetPileLayers() {
  DrawSheetPile(kRed);
  DrawSheetPilePressure(kRed);
  for (int i = 0; i < PileRowCount(); ++i) DrawSheetPilePressureLabel(i, kRed);
}

// The cohesion reference line, in yellow.
void DrawCohesionLayer() { DrawCohesionRefLine(kYellow); }

// Boundary lines are white, or blue when left out of the calculation figure.
Rgb BoundaryColour(int drawFlag) { return drawFlag == -1 ? kBlue : kWhite; }

Rgb KindColour(int kind) {
  switch (kind) {
    case kLineUncut: return kRed;
    case kLineSmallArcLimit: return kLime;
    case kLineLargeArcLimit: return kAqua;
    case kLineSmallArcLimitPoint: return kLime;
    case kLineLargeArcLimitPoint: return kAqua;
    case kLineResidualWater: return kGreen;
    default: return kWhite;
  }
}

// Two passes, so that the other kinds lie on top of the boundary lines.
void DrawModelLines() {
  for (int i = 0; i < LineCount && i < kMaxLines; ++i) {
    if (LineTable[i].Kind == kLineBoundary) DrawModelLine(i, BoundaryColour(LineTable[i].DrawFlag));
  }
  for (int i = 0; i < LineCount && i < kMaxLines; ++i) {
    const int kind = LineTable[i].Kind;
    if (kind > kLineBoundary && kind <= kLineResidualWater) DrawModelLine(i, KindColour(kind));
  }
}

// The line table editor's rows, passes and colours chosen by the model slot of the same index.
void DrawTableLines() {
  for (int row = 0; row < kTableRows && row < kMaxLines; ++row) {
    if (LineTable[row].Kind == kLineBoundary) {
      DrawLineFromTable(row, BoundaryColour(LineTable[row].DrawFlag));
    }
  }
  for (int row = 0; row < kTableRows && row < kMaxLines; ++row) {
    const int kind = LineTable[row].Kind;
    if (kind > kLineBoundary && kind <= kLineResidualWater)
      DrawLineFromTable(row, KindColour(kind));
  }
}

void DrawPoints(int mode) {
  if (mode == kRedrawPointTable) {
    for (int row = 0; row < kTableRows; ++row) DrawPointFromTable(row, kFuchsia);
    return;
  }
  for (int i = 0; i < PointCount && i < kMaxPoints; ++i) DrawModelPoint(i, kFuchsia);
}

}  // namespace

int IsSlipLayerOff(Rgb) { return DisplaySwitches[kShowSlipCircles] == 0 ? 1 : 0; }

int RedrawView(int mode) {
  ClearView();
  if (DataModified == -1) {
    RestoreModelSnapshot();
    return 1;
  }
  ViewMenusFollowResults(CalcStatus == 1 ? 1 : 0);
  SetScrollStepsFromView();
  DrawBackgroundGrid(kGray);
  DrawSlipSearchRange(kBlue);
  ComputeFigureFrame();
  DrawFigureLayers();
  DrawSheetPileLayers();
  if (mode == kRedrawLineTable) {
    DrawTableLines();
  } else {
    DrawModelLines();
  }
  DrawCohesionLayer();
  DrawPoints(mode);
  for (int i = 0; i < BlockCount && i < kMaxBlocks; ++i) DrawBlockMarker(i, kAqua);
  return 0;
}

}  // namespace selvana
