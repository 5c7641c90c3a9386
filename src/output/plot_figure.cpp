// The plot of the calculation figure, layer by layer.
#include "output/plot_figure.h"

#include "model/design_copy.h"
#include "model/partial_factors.h"
#include "model/project_model.h"
#include "output/print_data.h"
#include "platform/message_box.h"
#include "platform/number_format.h"
#include "view/figure_frame.h"

namespace selvana {
namespace {

// Paper mm of a model point on the frame.
double Px(double x) { return (x - FigureFrame.Left) / FigureFrame.MetresPerMm; }
double Py(double y) { return (y - FigureFrame.Bottom) / FigureFrame.MetresPerMm; }

bool WithinBands(double x, double y) {
  const FigureFrameRecord& f = FigureFrame;
  return f.BandLeft <= x && x <= f.BandRight && f.BandBottom <= y && y <= f.BandTop;
}

// Writes the segment clipped to the drawing area; -1 when it misses it.
int ClippedLine(PlotSheet& sheet, double x1, double y1, double x2, double y2, int layer) {
  if (ClipSegmentToPlotWindow(sheet.clip, x1, y1, x2, y2) < 0) return -1;
  sheet.file.PltWriteDL(x1, y1, x2, y2, layer);
  return 0;
}

void PlotLayers(PlotSheet& sheet) {
  PlotFigureFrame(sheet);
  for (int i = 0; i < PointCount; ++i) {
    if (PointTable[i].Id >= 0) PlotPointNumber(sheet, i);
  }
  for (int i = 0; i < LineCount; ++i) {
    if (LineTable[i].Kind == kLineBoundary) PlotTerrainLine(sheet, i);
  }
}

void ReportPlotFailure() {
  ShowMessage(StrFormat("作図データ(%s) を書き込めませんでした。", kPlotFileName), "error",
              MsgButtons::Ok, MsgIcon::Error);
}

}  // namespace

int PlotFigureFrame(PlotSheet& sheet) {
  const double W = sheet.W, H = sheet.H;
  PlotFile& f = sheet.file;
  f.PltWriteDL(0, 0, 0, H, kLayerFrame);
  f.PltWriteDL(0, H, W, H, kLayerFrame);
  f.PltWriteDL(W, H, W, 0, kLayerFrame);
  f.PltWriteDL(W, 0, 0, 0, kLayerFrame);
  f.PltWriteDL(0, H - 10, W, H - 10, kLayerFrame);
  f.PltWriteDL(10, 10, W, 10, kLayerFrame);
  f.PltWriteDL(10, 10, 10, H - 10, kLayerFrame);
  return 0;
}

int PlotPointNumber(PlotSheet& sheet, int i) {
  const double s = DrawSettings.Sizes[7];
  const PointRecord& p = PointTable[i];
  if (!(s > 0.0) || p.Id < 0 || !WithinBands(p.X, p.Y)) return -1;
  const std::string text = StrFormat("%d", i);
  const double n = static_cast<double>(text.size());
  const double left = Px(p.X) - n * s * 0.25;
  const double bottom = Py(p.Y) + 0.2 * s;
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
  return ClippedLine(sheet, Px(a.X), Py(a.Y), Px(b.X), Py(b.Y), kLayerTerrain);
}

int WritePlotFile() {
  const DesignCopyScope design(&ApplyPartialFactors);
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
  PlotLayers(sheet);
  if (!sheet.file.ClosePlotFile()) {
    ReportPlotFailure();
    return -1;
  }
  return 0;
}

}  // namespace selvana
