// Layout of the calculation figure's frame on the paper.
#include "view/figure_frame.h"

#include "model/project_model.h"

namespace selvana {

FigureFrameRecord FigureFrame;

namespace {

// Ruler and title bands are 10 mm wide on paper.
constexpr double kBandMm = 10.0;

}  // namespace

int ComputeFigureFrame() {
  FigureFrameRecord& f = FigureFrame;
  switch (DrawSettings.PaperSize) {
    case 1: f.HalfWidthMm = 130.0, f.HalfHeightMm = 90.0; break;
    case 2: f.HalfWidthMm = 160.0, f.HalfHeightMm = 110.0; break;
    default: f.HalfWidthMm = 190.0, f.HalfHeightMm = 130.0; break;
  }
  f.MetresPerMm = 0.001 * DrawSettings.ScaleDenominator;
  f.Left = DrawSettings.FrameCentreX - f.HalfWidthMm * f.MetresPerMm;
  f.Right = DrawSettings.FrameCentreX + f.HalfWidthMm * f.MetresPerMm;
  f.Bottom = DrawSettings.FrameCentreY - f.HalfHeightMm * f.MetresPerMm;
  f.Top = DrawSettings.FrameCentreY + f.HalfHeightMm * f.MetresPerMm;
  f.BandLeft = f.Left + kBandMm * f.MetresPerMm;
  f.BandRight = f.Right;
  f.BandBottom = f.Bottom + kBandMm * f.MetresPerMm;
  f.BandTop = f.Top - kBandMm * f.MetresPerMm;
  return 0;
}

}  // namespace selvana
