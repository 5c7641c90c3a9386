// The fixed furniture of the calculation figure in paper millimetres: the frame with its title
// and ruler bands, the method title, the scale, the rulers in model metres and the project title.
#pragma once
#include "view/figure/figure_layout.h"

namespace selvana {

// Frame size in paper mm and the lower edge of the title band, from FigureFrame.
struct FrameSize {
  double W, H, T;
};
FrameSize FigureFrameSize();

// Minor (tick) and major (label) steps of the rulers in metres for a scale denominator.
struct RulerSteps {
  double minor, major;
};
RulerSteps RulerStepsFor(double scaleDenominator);

// The frame rectangle, the three band lines, the method title (by cm.kt) and the scale text.
void LayoutFrame(FigureLayout& out);

// Minor ticks and value labels of the X ruler (bottom band) and the Y ruler (left band).
void LayoutRulers(FigureLayout& out);

// ProjectTitle centred on TitlePos; -1 (nothing) when DrawTitle is below 0 or Sizes[0] is below
// 0.0001, else 0.
int LayoutProjectTitle(FigureLayout& out);

// The method title of a method code, CP932.
std::string MethodTitle(int methodCode);

}  // namespace selvana
