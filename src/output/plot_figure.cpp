// The plot of the calculation figure, layer by layer, from the figure's layouts.
#include "output/plot_figure.h"

#include <cmath>

#include "calc/results/consolidation.h"
#include "model/design_copy.h"
#include "model/partial_factors.h"
#include "model/project_model.h"
#include "output/plot_emitter.h"
#include "output/print_data.h"
#include "platform/cp932.h"
#include "platform/message_box.h"
#include "platform/number_format.h"
#include "view/figure/frame_layout.h"
#include "view/figure/load_layout.h"
#include "view/figure/pile_layout.h"
#include "view/figure/result_box_layout.h"
#include "view/figure/slip_layout.h"
#include "view/figure/soil_label_layout.h"
#include "view/figure_frame.h"

namespace selvana {
namespace {

// LayoutFrame lays out the seven frame lines and the method title first, then the scale text;
// the first go on the frame layer, the scale with the rulers.
constexpr int kFrameLayerItems = 8;
// The water symbol of a soil label: its triangle (three lines) first, then its five bars.
constexpr int kWaterTriangleLines = 3;
// The surcharge arrows: type 10, head a third of the text height long.
constexpr int kLoadArrowType = 10;

bool WithinBands(double x, double y) {
  const FigureFrameRecord& f = FigureFrame;
  return f.BandLeft <= x && x <= f.BandRight && f.BandBottom <= y && y <= f.BandTop;
}

bool HasResults() { return CalcStatus == 1; }

// Writes the whole layout on one layer; returns result when the layout has items, else -1.
int Emit(const FigureLayout& layout, PlotSheet& sheet, const PlotEmit& how, int result = 0) {
  EmitToPlot(layout, sheet, how);
  return layout.Empty() ? -1 : result;
}

void PlotLoadArrows(PlotSheet& sheet, int i, double h) {
  WalkLoadArrows(i, LoadSurfaces[i], h, [&](const LoadArrow& a) {
    double x1 = a.x, y1 = a.top, x2 = a.x, y2 = a.ground;
    if (ClipSegmentToPlotWindow(sheet.clip, x1, y1, x2, y2) != 0) return;  // wholly inside only
    sheet.file.PltWriteAH(a.x, a.top, a.x, a.ground, h / 3, a.pitch * 2 / 3, kLoadArrowType,
                          kLayerSurcharges);
  });
}

// The intensity at one end with its unit and exponent, centred on the label position.
void PlotLoadEndLabel(PlotSheet& sheet, double value, double labelX, double labelY, double h) {
  const std::string text = StrFormat("%7.*f kN/m", DrawSettings.ShownDecimals()[5], value);
  const double left = PaperX(labelX) - h * (ByteLength(text) - 2.0) * 0.25;
  PlotTextWithExponent(sheet, text, "２", left, PaperY(labelY) - 0.5 * h, h, kLayerSurcharges);
}

void PlotLoadLabels(PlotSheet& sheet, int i, double h) {
  const DrawSettingsRecord& d = DrawSettings;
  const SurchargeRecord& load = cm.Surcharges;
  if (!(h > 0.0001)) return;
  if (d.SurchargeLabelLeft[i] >= 0 && load.LoadAtXMin[i] > 0.0001) {
    PlotLoadEndLabel(sheet, load.LoadAtXMin[i], d.SurchargeLeftX[i], d.SurchargeLeftY[i], h);
  }
  if (d.SurchargeLabelRight[i] >= 0 && load.LoadAtXMax[i] > 0.0001) {
    PlotLoadEndLabel(sheet, load.LoadAtXMax[i], d.SurchargeRightX[i], d.SurchargeRightY[i], h);
  }
}

void PlotLayers(PlotSheet& sheet) {
  PlotFigureFrame(sheet);
  PlotProjectTitle(sheet);
  for (int i = 0; i < PointCount && i < kMaxPoints; ++i) {
    if (PointTable[i].Id >= 0) PlotPointNumber(sheet, i);
  }
  for (int i = 0; i < LineCount && i < kMaxLines; ++i) {
    if (LineTable[i].Kind == kLineBoundary) PlotTerrainLine(sheet, i);
  }
  PlotSlipCircles(sheet);
  PlotCriticalCircle(sheet);
  PlotSheetPile(sheet);
  PlotSheetPilePressure(sheet);
  for (int j = 0; j < PileRowCount(); ++j) PlotSheetPilePressureLabel(sheet, j);
  for (int i = 0; i < CircleListCount; ++i) PlotCentreSafetyFactor(sheet, i);
  for (int i = 0; i < BlockCount && i < kMaxBlocks; ++i) PlotSoilLabels(sheet, i);
  for (int i = 0; i < 3; ++i) PlotSurchargeLoad(sheet, i);
  for (int i = 0; i < 3; ++i) PlotHorizontalForce(sheet, i);
}

void ReportPlotFailure() {
  ShowMessage(StrFormat("作図データ(%s) を書き込めませんでした。", kPlotFileName), "error",
              MsgButtons::Ok, MsgIcon::Error);
}

}  // namespace

int PlotFigureFrame(PlotSheet& sheet) {
  FigureLayout frame;
  LayoutFrame(frame);
  EmitToPlot(frame, sheet, {.layer = kLayerFrame}, 0, kFrameLayerItems);
  EmitToPlot(frame, sheet, {.layer = kLayerRulers}, kFrameLayerItems);
  if (!PaperUsable()) return 0;
  FigureLayout furniture;
  LayoutRulers(furniture);
  // The plot always shows the run's values, and the box whatever its text height.
  LayoutResultTables(furniture, true, TablesFor::kPlot);
  EmitToPlot(furniture, sheet, {.layer = kLayerRulers});
  return 0;
}

int PlotProjectTitle(PlotSheet& sheet) {
  FigureLayout title;
  return Emit(title, sheet, {.layer = kLayerTitle}, LayoutProjectTitle(title));
}

int PlotPointNumber(PlotSheet& sheet, int i) {
  const double s = DrawSettings.Sizes[7];
  const PointRecord& p = PointTable[i];
  if (!(s > 0.0) || p.Id < 0 || !WithinBands(p.X, p.Y)) return -1;
  const std::string text = StrFormat("%d", i);
  const double n = ByteLength(text);
  const double left = PaperX(p.X) - n * s * 0.25;
  const double bottom = PaperY(p.Y) + 0.2 * s;
  // Only a number that fits inside the bands is written.
  if (left < 10.0 || left + n * s * 0.5 > sheet.W || bottom < 10.0 ||
      bottom + 1.2 * s > sheet.H - 10.0) {
    return -1;
  }
  sheet.file.PltWriteVJ(left, bottom, s, s, text, 0.0, kLayerPointNumbers);
  return 0;
}

int PlotTerrainLine(PlotSheet& sheet, int i) {
  const LineRecord& line = LineTable[i];
  if (line.Kind != kLineBoundary || line.DrawFlag != 1) return -1;
  if (line.P1 < 0 || line.P1 >= kMaxPoints || line.P2 < 0 || line.P2 >= kMaxPoints) return -1;
  const PointRecord& a = PointTable[line.P1];
  const PointRecord& b = PointTable[line.P2];
  double x1 = PaperX(a.X), y1 = PaperY(a.Y), x2 = PaperX(b.X), y2 = PaperY(b.Y);
  if (ClipSegmentToPlotWindow(sheet.clip, x1, y1, x2, y2) < 0) return -1;
  sheet.file.PltWriteDL(x1, y1, x2, y2, kLayerTerrain);
  return 0;
}

int PlotSlipCircles(PlotSheet& sheet) {
  if (!HasResults() || StraightLineMethod(cm.kt)) return -1;
  FigureLayout circles;
  for (int k = 0; k < ArcStore.Count && k < kArcStoreCapacity; ++k) {
    LayoutSlipCircle(ArcStore.Circles[k], circles);
  }
  return Emit(circles, sheet, {.layer = kLayerSlipCircles});
}

int PlotCriticalCircle(PlotSheet& sheet) {
  if (!HasResults()) return -1;
  FigureLayout critical;
  LayoutCriticalSlip(critical);
  return Emit(critical, sheet, {.layer = kLayerCriticalSlip});
}

int PlotSheetPile(PlotSheet& sheet) {
  if (DisplaySwitches[kShowSheetPile] == 0) return -1;
  FigureLayout pile;
  return Emit(pile, sheet, {.layer = kLayerSheetPile, .clipLines = true}, LayoutSheetPile(pile));
}

int PlotSheetPilePressure(PlotSheet& sheet) {
  if (DisplaySwitches[kShowPilePressure] == 0) return -1;
  FigureLayout pressure;
  if (LayoutSheetPilePressure(pressure) != 0) return -1;
  // The layout has each row's bar before the outline up to it; the plot writes the outline
  // first: bar 0, then for row k the outline (item 2k) and the bar (item 2k - 1).
  const PlotEmit how{.layer = kLayerPilePressure, .clipLines = true};
  EmitToPlot(pressure, sheet, how, 0, 1);
  for (int k = 1; 2 * k < static_cast<int>(pressure.Items().size()); ++k) {
    EmitToPlot(pressure, sheet, how, 2 * k, 2 * k + 1);
    EmitToPlot(pressure, sheet, how, 2 * k - 1, 2 * k);
  }
  return 0;
}

int PlotSheetPilePressureLabel(PlotSheet& sheet, int j) {
  if (DisplaySwitches[kShowPilePressure] == 0) return -1;
  FigureLayout label;  // the layout draws the row's bar again; the plot has it already
  return Emit(label, sheet, {.layer = kLayerPilePressure, .lines = false},
              LayoutSheetPilePressureLabel(j, label));
}

int PlotCentreSafetyFactor(PlotSheet& sheet, int i) {
  if (!HasResults() || StraightLineMethod(cm.kt)) return -1;
  FigureLayout centre;
  return Emit(centre, sheet, {.layer = kLayerCentres}, LayoutCentreSafetyFactor(i, centre, true));
}

int PlotSoilLabels(PlotSheet& sheet, int i) {
  FigureLayout label;
  if (LayoutSoilLabel(i, label, true) != 0) return -1;
  const int mode = BlockTable[i].SoilLabelMode;
  const bool water = DrawSettings.SoilTableMode() >= 0.0 && mode != 1 && mode != 2;
  if (water) {
    EmitToPlot(label, sheet, {.layer = kLayerSoilLabels}, 0, kWaterTriangleLines);
    EmitToPlot(label, sheet, {.layer = kLayerWaterBars}, kWaterTriangleLines);
    return 0;
  }
  EmitToPlot(label, sheet, {.layer = kLayerSoilLabels, .unitExponents = true});
  return 0;
}

int PlotSurchargeLoad(PlotSheet& sheet, int i) {
  const SurchargeRecord& load = cm.Surcharges;
  const LoadSurface& surface = LoadSurfaces[i];
  const double h = DrawSettings.Sizes[1];
  if (!(load.LoadAtXMin[i] >= 0.0001 || load.LoadAtXMax[i] >= 0.0001) ||
      !(DrawSettings.Sizes[5] >= 0.0001) || surface.Count < 2 ||
      !(std::fabs(load.XMax[i] - load.XMin[i]) >= 1e-7)) {
    return -1;
  }
  FigureLayout diagram;
  LayoutLoadDiagram(i, surface, diagram);
  EmitToPlot(diagram, sheet, {.layer = kLayerSurcharges, .clipLines = true});
  if (!(h >= 0.0001)) return 0;
  PlotLoadArrows(sheet, i, h);
  PlotLoadLabels(sheet, i, h);
  if (cm.kt == kMethodBishop || cm.kt == kMethodModifiedBishop) {
    FigureLayout dimension;
    LayoutLoadWidthDimension(i, surface, h, dimension);
    EmitToPlot(dimension, sheet, {.layer = kLayerSurcharges});
  }
  return 0;
}

int PlotHorizontalForce(PlotSheet& sheet, int i) {
  if (i < 0 || i > 2 || !(cm.HorizontalForces.H[i] >= 0.0001)) return -1;
  FigureLayout force;
  if (LayoutHorizontalForce(i, force) != 0) return -1;
  // The layout has the shaft first, then the two head strokes; the plot the strokes first.
  const PlotEmit how{.layer = kLayerForces};
  EmitToPlot(force, sheet, how, 1, 3);
  EmitToPlot(force, sheet, how, 0, 1);
  EmitToPlot(force, sheet, how, 3);
  return 0;
}

int WritePlotFile() {
  const DesignCopyScope design(&ApplyPartialFactors);
  for (int i = 0; i < 3; ++i) TraceLoadSurface(i, LoadSurfaces[i]);
  SetSlipGeometry(-1);
  EnterOutputFolder();
  PlotSheet sheet;
  if (sheet.file.OpenPlotFile(kPlotFileName, kPlotFileHeader) != 0) {
    ReportPlotFailure();
    return -1;
  }
  ComputeFigureFrame();
  sheet.W = 2.0 * FigureFrame.HalfWidthMm;
  sheet.H = 2.0 * FigureFrame.HalfHeightMm;
  WritePlotSheet(sheet.file, sheet.W, sheet.H);
  sheet.clip = {10.0, 10.0, sheet.W, sheet.H - 10.0};
  // Without a usable scale there is no paper position for the model: the frame only.
  if (PaperUsable()) {
    PlotLayers(sheet);
  } else {
    PlotFigureFrame(sheet);
  }
  if (!sheet.file.ClosePlotFile()) {
    ReportPlotFailure();
    return -1;
  }
  return 0;
}

}  // namespace selvana
