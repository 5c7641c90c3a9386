// The figure layers of the main view: gates, design copies, layouts and the screen emitter.
#include "view/figure_layers.h"

#include <algorithm>

#include "calc/results/consolidation.h"
#include "model/design_copy.h"
#include "model/partial_factors.h"
#include "model/project_model.h"
#include "view/figure/frame_layout.h"
#include "view/figure/pile_layout.h"
#include "view/figure/result_box_layout.h"
#include "view/figure/slip_layout.h"
#include "view/figure/soil_label_layout.h"
#include "view/figure_screen.h"
#include "view/primitives.h"
#include "view/view_state.h"

namespace selvana {
namespace {

bool Shown(DisplaySwitch s) { return DisplaySwitches[s] != 0; }

bool CircleResultsShown(DisplaySwitch s) {
  return CalcStatus == 1 && Shown(s) && !StraightLineMethod(cm.kt);
}

// Lays out one layer with the given routine (inside a design copy when asked) and draws it.
template <typename Layout>
int DrawLayer(DisplaySwitch s, Rgb colour, bool designValues, Layout layout) {
  if (!Shown(s)) return 1;
  if (!PaperUsable()) return -1;
  FigureLayout items;
  int result = 0;
  if (designValues) {
    const DesignCopyScope scope(&ApplyPartialFactors);
    result = layout(items);
  } else {
    result = layout(items);
  }
  EmitOnScreen(items, colour);
  return result;
}

}  // namespace

int DrawFigureFrame(Rgb colour) {
  return DrawLayer(kShowFrame, colour, false, [](FigureLayout& out) {
    LayoutFrame(out);
    LayoutRulers(out);
    {
      const DesignCopyScope scope(&ApplyPartialFactors);
      LayoutResultTables(out, CalcStatus == 1, TablesFor::kScreen);
    }
    return LayoutProjectTitle(out);
  });
}

int DrawSoilLabels(int i, Rgb colour) {
  return DrawLayer(kShowSoilInfo, colour, true,
                   [i](FigureLayout& out) { return LayoutSoilLabel(i, out); });
}

int ComputeLoadSurface(int i, LoadSurface& surface) {
  const DesignCopyScope scope(&ApplyPartialFactors);
  return TraceLoadSurface(i, surface);
}

int DrawSurchargeLoad(int i, int side, Rgb colour) {
  return DrawLayer(kShowSurcharges, colour, true,
                   [i, side](FigureLayout& out) { return LayoutSurchargeLoad(i, side, out); });
}

int DrawHorizontalForce(int i, Rgb colour) {
  return DrawLayer(kShowForces, colour, true,
                   [i](FigureLayout& out) { return LayoutHorizontalForce(i, out); });
}

int DrawCentreSafetyFactor(int i, Rgb colour) {
  if (!CircleResultsShown(kShowCircleCentres)) return 1;
  return DrawLayer(kShowCircleCentres, colour, false,
                   [i](FigureLayout& out) { return LayoutCentreSafetyFactor(i, out); });
}

int DrawSlipCircles(Rgb colour) {
  if (!CircleResultsShown(kShowSlipCircles)) return 1;
  return DrawLayer(kShowSlipCircles, colour, false, [](FigureLayout& out) {
    for (int k = 0; k < ArcStore.Count && k < kArcStoreCapacity; ++k) {
      LayoutSlipCircle(ArcStore.Circles[k], out);
    }
    return 0;
  });
}

int DrawCriticalCircle(Rgb colour) {
  if (CalcStatus != 1) return 1;
  return DrawLayer(kShowSlipCircles, colour, false, [](FigureLayout& out) {
    LayoutCriticalSlip(out);
    return 0;
  });
}

namespace {

void CohesionSegment(int x1, int y1, int x2, int y2, Rgb colour) {
  DrawScreenLine(x1, y1, x2, y2, 1, colour, kPenDashDotDot);
}

}  // namespace

int DrawCohesionRefLine(Rgb colour) {
  if (!Shown(kShowCohesionLine)) return 1;
  const int right = ViewState.ImageWidth;
  int x = 0, y = 0;
  if (cm.CohesionRefMode != 1) {
    ModelToScreen(0.0, cm.CohesionRefHeight, x, y);
    CohesionSegment(0, y, right, y, colour);
    return 0;
  }
  const CohesionRefLineRecord& line = cm.CohesionRefLine;
  const int count = std::clamp(line.Count, 0, kMaxCohesionVertices);
  if (count < 2) return -1;
  ModelToScreen(line.X[0], line.Y[0], x, y);
  if (x >= 1) CohesionSegment(0, y, x, y, colour);
  for (int k = 1; k < count; ++k) {
    int nx = 0, ny = 0;
    ModelToScreen(line.X[k], line.Y[k], nx, ny);
    CohesionSegment(x, y, nx, ny, colour);
    x = nx, y = ny;
  }
  if (x < right) CohesionSegment(x, y, right, y, colour);
  return 0;
}

int DrawSheetPile(Rgb colour) {
  return DrawLayer(kShowSheetPile, colour, false,
                   [](FigureLayout& out) { return LayoutSheetPile(out); });
}

int DrawSheetPilePressure(Rgb colour) {
  return DrawLayer(kShowPilePressure, colour, true,
                   [](FigureLayout& out) { return LayoutSheetPilePressure(out); });
}

int DrawSheetPilePressureLabel(int i, Rgb colour) {
  return DrawLayer(kShowPilePressure, colour, true,
                   [i](FigureLayout& out) { return LayoutSheetPilePressureLabel(i, out); });
}

}  // namespace selvana
