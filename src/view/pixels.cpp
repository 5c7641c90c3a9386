// Saturating conversions from double to pixel coordinates and ints.
#include "view/pixels.h"

#include <cmath>
#include <limits>

#include "platform/canvas.h"

namespace selvana {

int SaturatePixel(double v) {
  if (std::isnan(v)) return kNoPixel;
  if (v >= kPixelLimit) return kPixelLimit;
  if (v <= -kPixelLimit) return -kPixelLimit;
  return static_cast<int>(v);
}

int OffsetPixel(int pixel, int offset) {
  if (!IsDrawnPixel(pixel)) return kNoPixel;
  return SaturatePixel(static_cast<double>(pixel) + static_cast<double>(offset));
}

int SaturateInt(double v) {
  if (std::isnan(v)) return 0;
  if (v >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (v <= std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(v);
}

}  // namespace selvana
