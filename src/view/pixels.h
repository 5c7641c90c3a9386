// Turning doubles into pixel coordinates and other ints without overflow: every conversion
// truncates toward zero and saturates, and a NaN gives a coordinate that is never drawn.
#pragma once

namespace selvana {

// trunc(v) clamped to ±kPixelLimit (platform/canvas.h); kNoPixel for a NaN.
int SaturatePixel(double v);

// pixel + offset, saturated; kNoPixel stays kNoPixel.
int OffsetPixel(int pixel, int offset);

// trunc(v) clamped to the int range; 0 for a NaN. For counts and scroll-bar values.
int SaturateInt(double v);

}  // namespace selvana
