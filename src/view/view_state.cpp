// The view state and the transforms between model, screen and paper.
#include "view/view_state.h"

#include <cmath>

#include "model/project_model.h"
#include "platform/canvas.h"
#include "view/figure_frame.h"
#include "view/pixels.h"
#include "view/view_ports.h"

namespace selvana {

ViewStateRecord ViewState;

namespace {

void TakeImageSize(int width, int height) {
  ViewState.ImageWidth = width;
  ViewState.ImageHeight = height;
  ViewState.CentreX = width / 2;
  ViewState.CentreY = height / 2;
}

// trunc(d * Scale + 0.1), kept in double so that the centre can be added before saturating.
double ScaledOffset(double d) { return std::trunc(d * ViewState.Scale + 0.1); }

}  // namespace

void ResetViewState() {
  // Without an installed image (headless) the view takes the image's design size.
  const ViewStateRecord design;
  const Canvas* image = ViewPorts.Image;
  TakeImageSize(image ? image->Width() : design.ImageWidth,
                image ? image->Height() : design.ImageHeight);
  ViewState.Scale = 50.0;
  ViewState.OriginX = 0.0;
  ViewState.OriginY = 0.0;
}

void ViewImageResized(int width, int height) {
  if (width > 0 && height > 0) TakeImageSize(width, height);
}

int ModelToScreen(double x, double y, int& sx, int& sy) {
  sx = SaturatePixel(ScaledOffset(x - ViewState.OriginX) + ViewState.CentreX);
  sy = SaturatePixel(ViewState.CentreY - ScaledOffset(y - ViewState.OriginY));
  return 0;
}

int PaperToScreen(double px, double py, int& sx, int& sy) {
  const double x = px * DrawSettings.ScaleDenominator * 0.001 + FigureFrame.Left;
  const double y = py * DrawSettings.ScaleDenominator * 0.001 + FigureFrame.Bottom;
  return ModelToScreen(x, y, sx, sy);
}

int ScreenToModel(int sx, int sy, double& x, double& y) {
  x = (static_cast<double>(sx) - ViewState.CentreX) / ViewState.Scale + ViewState.OriginX;
  y = ViewState.OriginY - (static_cast<double>(sy) - ViewState.CentreY) / ViewState.Scale;
  return 0;
}

}  // namespace selvana
