// The search range of the current method on the main view.
#include "view/search_range.h"

#include "model/project_model.h"
#include "view/primitives.h"
#include "view/view_state.h"

namespace selvana {
namespace {

// A dense grid draws at most this many lines each way; more would only repaint the same pixels
// (and a pitch lost in rounding could otherwise loop for ever).
constexpr int kMaxRangeLines = 100000;

void DrawModelSegment(double x1, double y1, double x2, double y2, int width, Rgb colour) {
  int sx1 = 0, sy1 = 0, sx2 = 0, sy2 = 0;
  ModelToScreen(x1, y1, sx1, sy1);
  ModelToScreen(x2, y2, sx2, sy2);
  DrawScreenLine(sx1, sy1, sx2, sy2, width, colour, kPenSolid);
}

int DrawCentreGrid(const CircleSearchSettings& s, Rgb colour) {
  const double minX = s.CentreX[0], maxX = s.CentreX[1], pitchX = s.CentreX[2];
  const double minY = s.CentreY[0], maxY = s.CentreY[1], pitchY = s.CentreY[2];
  if (!(pitchX >= 1e-7) || !(pitchY >= 1e-7)) return -1;
  double x = minX;
  for (int n = 0; n < kMaxRangeLines && x < maxX + 1e-7; ++n, x += pitchX) {
    DrawModelSegment(x, minY, x, maxY, 1, colour);
    if (x + pitchX == x) break;  // far from the origin the pitch no longer moves x
  }
  double y = maxY;
  for (int n = 0; n < kMaxRangeLines && y > minY - 1e-7; ++n, y -= pitchY) {
    DrawModelSegment(minX, y, maxX, y, 1, colour);
    if (y - pitchY == y) break;
  }
  return 0;
}

}  // namespace

int DrawSlipSearchRange(Rgb colour) {
  if (DisplaySwitches[kShowCircleCentres] == 0) return 1;
  const StraightSlipSettingsRecord& line = StraightSlipSettings;
  if (cm.kt == kMethodLineFromPoint) {
    int x = 0, y = 0;
    ModelToScreen(line.PointX[0], line.PointY[0], x, y);
    DrawCircleMark(x, y, 3, colour);
    DrawCircleMark(x, y, 5, colour);
    return 0;
  }
  if (cm.kt == kMethodLineBetweenSegments) {
    DrawModelSegment(line.PointX[0], line.PointY[0], line.PointX[1], line.PointY[1], 3, colour);
    DrawModelSegment(line.PointX[2], line.PointY[2], line.PointX[3], line.PointY[3], 5, colour);
    return 0;
  }
  return DrawCentreGrid(CircleSettingsFor(cm.kt), colour);
}

}  // namespace selvana
