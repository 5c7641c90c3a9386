// The frame of the calculation figure in model metres, laid out from the paper size, scale and
// centre of the drawing settings. The screen redraw and the plot writer compute it the same way.
#pragma once

namespace selvana {

struct FigureFrameRecord {
  double Left = 0.0, Right = 0.0;  // m
  double Bottom = 0.0, Top = 0.0;  // m
  double HalfWidthMm = 190.0;      // paper mm
  double HalfHeightMm = 130.0;
  double BandLeft = 0.0;     // m: inner edge of the left ruler band (Left + 10 mm)
  double BandRight = 0.0;    // m: Right
  double BandBottom = 0.0;   // m: upper edge of the bottom ruler band (Bottom + 10 mm)
  double BandTop = 0.0;      // m: lower edge of the title band (Top - 10 mm)
  double MetresPerMm = 0.1;  // 0.001 * ScaleDenominator
};

extern FigureFrameRecord FigureFrame;

// Recomputes FigureFrame from DrawSettings: paper size 1 is A4 landscape (260 x 180 mm), 2 is B4
// (320 x 220 mm), any other value A3 (380 x 260 mm), centred on FrameCentre. Returns 0.
int ComputeFigureFrame();

}  // namespace selvana
