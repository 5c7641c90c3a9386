// The item list of a figure layer and the model-to-paper conversion every layer shares.
#include "view/figure/figure_layout.h"

#include <utility>

#include "model/project_model.h"
#include "view/figure_frame.h"

namespace selvana {

void FigureLayout::Line(double x1, double y1, double x2, double y2, int widthPx, int style) {
  items_.emplace_back(FigureLine{x1, y1, x2, y2, widthPx, style});
}

void FigureLayout::Text(std::string cp932, double x, double y, double height, int anchor,
                        bool ruled) {
  if (cp932.empty()) return;
  items_.emplace_back(FigureText{std::move(cp932), x, y, height, anchor, ruled});
}

double PaperX(double modelX) { return (modelX - FigureFrame.Left) / FigureFrame.MetresPerMm; }
double PaperY(double modelY) { return (modelY - FigureFrame.Bottom) / FigureFrame.MetresPerMm; }

bool StraightLineMethod(int kt) {
  return kt == kMethodLineFromPoint || kt == kMethodLineBetweenSegments;
}

bool BishopMethod(int kt) { return kt == kMethodBishop || kt == kMethodModifiedBishop; }

bool PaperUsable() { return DrawSettings.ScaleDenominator > 0.0 && FigureFrame.MetresPerMm > 0.0; }

}  // namespace selvana
