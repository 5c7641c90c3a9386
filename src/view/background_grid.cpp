// The background grid in model metres over the visible part of the model.
#include "view/background_grid.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "model/project_model.h"
#include "platform/number_format.h"
#include "view/pixels.h"
#include "view/primitives.h"
#include "view/view_state.h"

namespace selvana {
namespace {

// Grid lines closer than this many pixels are not drawn.
constexpr double kMinPitchPx = 10.0;
constexpr double kLabelHeight = 12.0;

struct GridPitch {
  double pitch;   // m between lines
  double coarse;  // m between labelled lines
  int ratio;      // drawn lines per coarse line (coarse lines are 3 px wide above 1)
};

bool OnCoarseLine(double v, double coarse) {
  return v - std::floor(v / coarse + 1e-7) * coarse < 1e-7;
}

// Positions from floor(from / pitch - 0.1) * pitch while below to + 1e-7. At most maxLines: lines
// are at least 10 px apart, so more would lie outside the image (and a step lost in rounding
// could otherwise loop for ever).
template <typename DrawAt>
void StepGrid(double from, double to, double pitch, int maxLines, DrawAt drawAt) {
  double v = std::floor(from / pitch - 0.1) * pitch;
  for (int n = 0; n < maxLines && v < to + 1e-7; ++n) {
    drawAt(v);
    v += pitch;
  }
}

void DrawVerticalLine(double x, const GridPitch& g, Rgb colour) {
  int sx = 0, sy = 0;
  ModelToScreen(x, 0.0, sx, sy);
  const int h = ViewState.ImageHeight;
  if (!OnCoarseLine(x, g.coarse)) {
    DrawScreenLine(sx, 0, sx, h, 1, colour, kPenSolid);
    return;
  }
  DrawScreenLine(sx, 0, sx, h, g.ratio > 1 ? 3 : 1, colour, kPenSolid);
  const std::string label = StrFormat("%3.2f", x);
  DrawFixedText(label, sx, h, colour, kLabelHeight, kAnchorBottomCentre);
  DrawFixedText(label, sx, 0, colour, kLabelHeight, kAnchorTopCentre);
}

void DrawHorizontalLine(double y, const GridPitch& g, Rgb colour) {
  int sx = 0, sy = 0;
  ModelToScreen(0.0, y, sx, sy);
  const int w = ViewState.ImageWidth;
  if (!OnCoarseLine(y, g.coarse)) {
    DrawScreenLine(0, sy, w, sy, 1, colour, kPenSolid);
    return;
  }
  DrawScreenLine(0, sy, w, sy, g.ratio > 1 ? 3 : 1, colour, kPenSolid);
  const std::string label = StrFormat("%3.2f", y);
  DrawFixedText(label, 0, sy, colour, kLabelHeight, kAnchorBottomLeft);
  DrawFixedText(label, w, sy, colour, kLabelHeight, kAnchorBottomRight);
}

}  // namespace

int DrawBackgroundGrid(Rgb colour) {
  if (DisplaySwitches[kShowGrid] == 0) return 1;
  const double scale = ViewState.Scale;
  GridPitch g{GridSpacing.Fine, GridSpacing.Coarse, 1};
  if (GridSpacing.Fine * scale < kMinPitchPx) g.pitch = GridSpacing.Coarse;
  if (!(GridSpacing.Coarse * scale >= kMinPitchPx)) return 1;
  // Drawn lines per coarse line: when zooming out drops the fine lines the ratio is 1, and the
  // coarse lines, now the only ones, are drawn thin.
  g.ratio = std::max(1, SaturateInt(GridSpacing.Coarse / g.pitch + 0.499999));

  double left = 0.0, bottom = 0.0, right = 0.0, top = 0.0;
  ScreenToModel(0, ViewState.ImageHeight, left, bottom);
  ScreenToModel(ViewState.ImageWidth, 0, right, top);
  const int maxColumns = ViewState.ImageWidth / static_cast<int>(kMinPitchPx) + 4;
  const int maxRows = ViewState.ImageHeight / static_cast<int>(kMinPitchPx) + 4;
  StepGrid(left, right, g.pitch, maxColumns, [&](double x) { DrawVerticalLine(x, g, colour); });
  StepGrid(bottom, top, g.pitch, maxRows, [&](double y) { DrawHorizontalLine(y, g, colour); });
  return 0;
}

}  // namespace selvana
