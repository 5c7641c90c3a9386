// The show-all fitting of the view and the scroll bars that move it.
#include "view/view_fitting.h"

#include <algorithm>
#include <cmath>

#include "model/project_model.h"
#include "view/pixels.h"
#include "view/redraw_view.h"
#include "view/view_ports.h"
#include "view/view_state.h"

namespace selvana {
namespace {

// The extents of what the view must show; an axis nobody extended stays min > max.
struct Extents {
  double MinX = 99999.0, MinY = 99999.0;
  double MaxX = -99999.0, MaxY = -99999.0;

  void AddX(double x) {
    if (x < MinX) MinX = x;
    if (x > MaxX) MaxX = x;
  }
  void AddY(double y) {
    if (y < MinY) MinY = y;
    if (y > MaxY) MaxY = y;
  }
  void Add(double x, double y) {
    AddX(x);
    AddY(y);
  }
};

void AddSearchArea(Extents& e) {
  const bool fellenius = cm.kt < kMethodBishop;
  const bool bishop = cm.kt == kMethodBishop || cm.kt == kMethodModifiedBishop;
  if (!fellenius && !bishop) {
    e.Add(StraightSlipSettings.PointX[0], StraightSlipSettings.PointY[0]);
    return;
  }
  const CircleSearchSettings& s = fellenius ? FelleniusCircleSettings : BishopCircleSettings;
  e.Add(s.CentreX[0], s.CentreY[0]);
  e.Add(s.CentreX[1], s.CentreY[1]);
}

Extents ModelExtents() {
  Extents e;
  const SurchargeRecord& loads = cm.Surcharges;
  for (int i = 0; i < kSurchargeCount; ++i) {
    if (loads.LoadAtXMin[i] > 1e-7 || loads.LoadAtXMax[i] > 1e-7) {
      e.AddX(loads.XMin[i]);
      e.AddX(loads.XMax[i]);
    }
  }
  for (int i = 0; i < kForceCount; ++i) {
    if (cm.HorizontalForces.H[i] > 1e-7) e.AddY(cm.HorizontalForces.Y[i]);
  }
  AddSearchArea(e);
  for (int i = 0; i < PointCount && i < kMaxPoints; ++i) {
    if (PointTable[i].Id >= 0) e.Add(PointTable[i].X, PointTable[i].Y);
  }
  if (e.MaxX < e.MinX) e.MinX = -100.0, e.MaxX = 100.0;
  if (e.MaxY < e.MinY) e.MinY = -100.0, e.MaxY = 100.0;
  return e;
}

// A bar step: truncated, and at least 1 so that the arrows always move the view.
int BarStep(double v) { return std::max(1, SaturateInt(v)); }

// Applies a new range and position in an order that never leaves Max below Min on the way.
void SetBarRange(ViewScrollBar& bar, int min, int max, int position) {
  const int old = bar.Position();
  if (old < min) {
    bar.SetMax(max);
    bar.SetPosition(position);
    bar.SetMin(min);
  } else if (old > max) {
    bar.SetMin(min);
    bar.SetPosition(position);
    bar.SetMax(max);
  } else {
    bar.SetMin(min);
    bar.SetMax(max);
    bar.SetPosition(position);
  }
}

// The new maximum of a bar over min - d .. max + d: 0 when max + d is negative.
int BarMax(double max, double d) { return max + d < 0.0 ? 0 : SaturateInt(max + d); }

// Sets one bar over min - d .. max + d (the maximum not below 0) at the given position.
void FitBar(ViewScrollBar& bar, double min, double max, double position) {
  const double d = max - min;
  bar.SetEnabled(false);
  SetBarRange(bar, SaturateInt(min - d), BarMax(max, d), SaturateInt(position));
  bar.SetLargeChange(BarStep(d / 3));
  bar.SetSmallChange(BarStep(d / 30));
  bar.SetEnabled(true);
}

void TakeScale(const Extents& e) {
  const int w = ViewState.ImageWidth, h = ViewState.ImageHeight;
  const double scale =
      std::min(w / (e.MaxX - e.MinX + 10.0), h / (e.MaxY - e.MinY + 10.0)) * 0.8333333333333334;
  if (std::isfinite(scale) && scale > 0.0) ViewState.Scale = scale;
}

}  // namespace

int FitViewToModel() {
  // A minimised (empty) image keeps the old size and scale instead of dividing by zero.
  const Canvas* image = ViewPorts.Image;
  const bool sized = !image || (image->Width() > 0 && image->Height() > 0);
  if (image && sized) ViewImageResized(image->Width(), image->Height());
  const Extents e = ModelExtents();
  ViewState.OriginX = std::trunc((e.MinX + e.MaxX) * 0.5);
  ViewState.OriginY = std::trunc((e.MinY + e.MaxY) * 0.5);
  if (sized) TakeScale(e);
  if (ViewPorts.HorizontalBar) {
    FitBar(*ViewPorts.HorizontalBar, e.MinX, e.MaxX, (e.MinX + e.MaxX) * 0.5);
  }
  if (ViewPorts.VerticalBar) {
    ViewScrollBar& bar = *ViewPorts.VerticalBar;
    // The mirrored centre, measured down from the bar's new (whole-metre) maximum.
    const double dy = e.MaxY - e.MinY;
    FitBar(bar, e.MinY, e.MaxY, BarMax(e.MaxY, dy) - dy - dy * 0.5);
    ViewState.OriginY = static_cast<double>(bar.Max()) + bar.Min() - bar.Position();
  }
  RedrawView(0);
  return 0;
}

int HorizontalScrollChanged() {
  if (ViewPorts.HorizontalBar) ViewState.OriginX = ViewPorts.HorizontalBar->Position();
  RedrawView(0);
  return 0;
}

int VerticalScrollChanged() {
  if (ViewPorts.VerticalBar) {
    const ViewScrollBar& bar = *ViewPorts.VerticalBar;
    ViewState.OriginY = static_cast<double>(bar.Max()) + bar.Min() - bar.Position();
  }
  RedrawView(0);
  return 0;
}

void SetScrollStepsFromView() {
  const double visibleX = ViewState.ImageWidth / ViewState.Scale;
  const double visibleY = ViewState.ImageHeight / ViewState.Scale;
  if (ViewScrollBar* bar = ViewPorts.HorizontalBar) {
    bar->SetLargeChange(BarStep(visibleX / 3));
    bar->SetSmallChange(BarStep(visibleX / 30));
  }
  if (ViewScrollBar* bar = ViewPorts.VerticalBar) {
    bar->SetLargeChange(BarStep(visibleY / 3));
    bar->SetSmallChange(BarStep(visibleY / 30));
  }
}

}  // namespace selvana
