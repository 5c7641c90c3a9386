// Sheet pile, pressure diagram and pressure labels.
#include "view/figure/pile_layout.h"

#include <algorithm>

#include "calc/results/slip_result.h"
#include "model/project_model.h"
#include "platform/number_format.h"

namespace selvana {
namespace {

bool PressureDrawn() { return SheetPileStands() && DrawSettings.Sizes[8] >= 0.001; }

// Paper x of the end of row k's bar: to the left of the pile when sliding goes to smaller X.
double BarEnd(int k) {
  const double length = SheetPileSettings.Intensity[k] * DrawSettings.Sizes[8];
  return PaperX(SheetPileSettings.PileX) + (MinSlip.Direction == 1 ? -length : length);
}

void LayoutBar(int k, FigureLayout& out) {
  const double y = PaperY(SheetPileSettings.Elevation[k]);
  out.Line(PaperX(SheetPileSettings.PileX), y, BarEnd(k), y);
}

}  // namespace

bool SheetPileStands() {
  return SheetPileSettings.EmbedmentElevation + 0.0001 <= SheetPileSettings.TopElevation;
}

int PileRowCount() { return std::clamp(SheetPileSettings.RowCount, 0, kMaxPileRows); }

int LayoutSheetPile(FigureLayout& out) {
  if (!SheetPileStands()) return -1;
  const double x = PaperX(SheetPileSettings.PileX);
  out.Line(x, PaperY(SheetPileSettings.TopElevation), x,
           PaperY(SheetPileSettings.EmbedmentElevation), 5);
  return 0;
}

int LayoutSheetPilePressure(FigureLayout& out) {
  if (!PressureDrawn()) return -1;
  for (int k = 0; k < PileRowCount(); ++k) {
    LayoutBar(k, out);
    if (k > 0) {
      out.Line(BarEnd(k - 1), PaperY(SheetPileSettings.Elevation[k - 1]), BarEnd(k),
               PaperY(SheetPileSettings.Elevation[k]));
    }
  }
  return 0;
}

int LayoutSheetPilePressureLabel(int i, FigureLayout& out) {
  if (i < 0 || i >= PileRowCount() || !PressureDrawn()) return -1;
  LayoutBar(i, out);
  if (DrawSettings.PileLabelMode[i] < 0) return 0;
  out.Text(StrFormat("%1.*f", DrawSettings.ShownDecimals()[6], SheetPileSettings.Intensity[i]),
           PaperX(DrawSettings.PileLabelX[i]), PaperY(DrawSettings.PileLabelY[i]),
           DrawSettings.Sizes[1], kFigureAnchorCentre);
  return 0;
}

}  // namespace selvana
