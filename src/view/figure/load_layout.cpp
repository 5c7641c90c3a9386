// Load diagrams with their arrows, end labels and width dimension, and horizontal force arrows.
#include "view/figure/load_layout.h"

#include <algorithm>
#include <cmath>

#include "calc/results/slip_result.h"
#include "model/project_model.h"
#include "platform/number_format.h"
#include "view/figure_frame.h"
#include "view/pixels.h"

namespace selvana {
namespace {

// Arrows of one load at the most: at a scale such as 1:0.0001 a load of a few metres would
// otherwise ask for a hundred million arrows.
constexpr int kMaxArrows = 100000;

bool HasWidth(int i) { return std::fabs(cm.Surcharges.XMax[i] - cm.Surcharges.XMin[i]) >= 1e-7; }

// Paper height of the load diagram above the ground at model x.
double DiagramHeight(int i, double x) { return LoadIntensityAt(i, x) * DrawSettings.Sizes[5]; }

// Ground height in paper mm at paper x, on the surface segment that holds it; segment moves
// forwards only, never past the last.
double GroundAt(const LoadSurface& s, double x, int& segment) {
  while (segment < s.Count - 2 && PaperX(s.X[segment + 1]) < x) ++segment;
  const double x1 = PaperX(s.X[segment]), y1 = PaperY(s.Y[segment]);
  const double x2 = PaperX(s.X[segment + 1]), y2 = PaperY(s.Y[segment + 1]);
  if (x2 == x1) return y2;
  return y1 + (x - x1) * (y2 - y1) / (x2 - x1);
}

void LayoutArrows(int i, const LoadSurface& s, double h, FigureLayout& out) {
  WalkLoadArrows(i, s, h, [&out, h](const LoadArrow& a) {
    out.Line(a.x, a.ground, a.x, a.top);
    out.Line(a.x - a.pitch / 3, a.ground + h / 3, a.x, a.ground);
    out.Line(a.x + a.pitch / 3, a.ground + h / 3, a.x, a.ground);
  });
}

void LayoutEndLabel(double value, double labelX, double labelY, double h, FigureLayout& out) {
  std::string text = StrFormat("%7.*f kN/m2", DrawSettings.ShownDecimals()[5], value);
  const double left = PaperX(labelX) - h * (ByteLength(text) - 2.0) * 0.25;
  out.Text(std::move(text), left, PaperY(labelY) - 0.5 * h, h, kFigureAnchorBottomLeft);
}

}  // namespace

void LayoutLoadDiagram(int i, const LoadSurface& s, FigureLayout& out) {
  for (int k = 0; k + 1 < s.Count; ++k) {
    out.Line(PaperX(s.X[k]), PaperY(s.Y[k]) + DiagramHeight(i, s.X[k]), PaperX(s.X[k + 1]),
             PaperY(s.Y[k + 1]) + DiagramHeight(i, s.X[k + 1]));
  }
}

void WalkLoadArrows(int i, const LoadSurface& s, double h,
                    const std::function<void(const LoadArrow&)>& each) {
  const double first = PaperX(s.X[0]), last = PaperX(s.X[s.Count - 1]);
  const double width = last - first;
  const double step = 0.5 * h;
  const int count = std::clamp(SaturateInt(std::ceil(width / step) * step + 0.01), 1, kMaxArrows);
  const double pitch = width / count;
  int segment = 0;
  for (double x = first; x < last + 0.0001; x += pitch) {
    const double ground = GroundAt(s, x, segment);
    const double model = x * FigureFrame.MetresPerMm + FigureFrame.Left;
    each({x, ground, ground + DiagramHeight(i, model), pitch});
    if (x + pitch == x) break;
  }
}

void LayoutLoadWidthDimension(int i, const LoadSurface& s, double h, FigureLayout& out) {
  const DrawSettingsRecord& d = DrawSettings;
  const double leftY = PaperY(d.SurchargeLeftY[i]), rightY = PaperY(d.SurchargeRightY[i]);
  const bool leftOn = d.SurchargeLabelLeft[i] > 0, rightOn = d.SurchargeLabelRight[i] > 0;
  const double yd = (!leftOn ? rightY : !rightOn ? leftY : std::max(leftY, rightY)) + h;
  const double x0 = PaperX(cm.Surcharges.XMin[i]), x1 = PaperX(cm.Surcharges.XMax[i]);
  out.Line(x0, PaperY(s.Y[0]) + 0.5 * h, x0, yd + 0.2 * h);
  out.Line(x1, PaperY(s.Y[s.Count - 1]) + 0.5 * h, x1, yd + 0.2 * h);
  out.Line(x0, yd, x1, yd);
  out.Line(x0, yd, x0 + 0.5 * h, yd + 0.2 * h);
  out.Line(x0, yd, x0 + 0.5 * h, yd - 0.2 * h);
  out.Line(x1, yd, x1 - 0.5 * h, yd + 0.2 * h);
  out.Line(x1, yd, x1 - 0.5 * h, yd - 0.2 * h);
  if (!(h >= 0.0001)) return;  // too small a text height: the lines without their label
  std::string text = StrFormat("%4.3f m", cm.Surcharges.XMax[i] - cm.Surcharges.XMin[i]);
  const double left = (x0 + x1) / 2 - ByteLength(text) * 0.25 * h;
  out.Text(std::move(text), left, yd + 0.25 * h, h, kFigureAnchorBottomLeft);
}

double LoadIntensityAt(int i, double x) {
  const SurchargeRecord& s = cm.Surcharges;
  return (x - s.XMin[i]) * (s.LoadAtXMax[i] - s.LoadAtXMin[i]) / (s.XMax[i] - s.XMin[i]) +
         s.LoadAtXMin[i];
}

int LayoutSurchargeLoad(int i, int side, FigureLayout& out) {
  if (i < 0 || i > 2) return -1;
  const SurchargeRecord& load = cm.Surcharges;
  const DrawSettingsRecord& d = DrawSettings;
  const double atEnd = side == 1 ? load.LoadAtXMin[i] : load.LoadAtXMax[i];
  const LoadSurface& s = LoadSurfaces[i];
  if (!(atEnd >= 0.0001) || !(d.Sizes[5] >= 0.0001) || s.Count < 2 || !HasWidth(i)) return -1;
  LayoutLoadDiagram(i, s, out);
  const double h = d.Sizes[1];
  if (!(h >= 0.0001)) {
    if (BishopMethod(cm.kt)) LayoutLoadWidthDimension(i, s, h, out);
    return -1;
  }
  LayoutArrows(i, s, h, out);
  if (side == 1 && d.SurchargeLabelLeft[i] > 0) {
    LayoutEndLabel(load.LoadAtXMin[i], d.SurchargeLeftX[i], d.SurchargeLeftY[i], h, out);
  }
  if (side == 2 && d.SurchargeLabelRight[i] > 0) {
    LayoutEndLabel(load.LoadAtXMax[i], d.SurchargeRightX[i], d.SurchargeRightY[i], h, out);
  }
  if (BishopMethod(cm.kt)) LayoutLoadWidthDimension(i, s, h, out);
  return 0;
}

int LayoutHorizontalForce(int i, FigureLayout& out) {
  if (i < 0 || i > 2) return -1;
  const DrawSettingsRecord& d = DrawSettings;
  const double force = cm.HorizontalForces.H[i], h = d.Sizes[1];
  if (d.ForceLabelPlace[i] < 0 || !(std::fabs(force) >= 0.0001) || !(h >= 0.0001) ||
      !(d.Sizes[6] >= 0.0001)) {
    return -1;
  }
  const double tipX = PaperX(d.ForceLabelX[i]), tipY = PaperY(cm.HorizontalForces.Y[i]);
  const bool right = (MinSlip.Direction == 1 && force > 0) || (MinSlip.Direction != 1 && force < 0);
  const double sense = right ? 1.0 : -1.0;
  const double tail = tipX + sense * std::fabs(force) * d.Sizes[6];
  out.Line(tipX, tipY, tail, tipY);
  out.Line(tipX, tipY, tipX + sense * h, tipY + 0.2 * h);
  out.Line(tipX, tipY, tipX + sense * h, tipY - 0.2 * h);
  std::string text = StrFormat("%4.*f kN/m", d.ShownDecimals()[4], std::fabs(force));
  const double width = ByteLength(text) * 0.5 * h;
  double left = right ? tail + h : tail - h - width;
  double bottom = tipY - 0.5 * h;
  if (d.ForceLabelPlace[i] == 1 || d.ForceLabelPlace[i] == 2) {
    left = (tipX + tail) / 2 - width / 2;
    bottom = d.ForceLabelPlace[i] == 1 ? tipY + 0.25 * h : tipY - 1.25 * h;
  }
  out.Text(std::move(text), left, bottom, h, kFigureAnchorBottomLeft);
  return 0;
}

}  // namespace selvana
