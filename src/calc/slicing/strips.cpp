// Strips of soil above a slip surface, from the block heights at the ends of a slice interval.
#include "calc/slicing/strips.h"

#include "calc/slicing/arc.h"

namespace selvana {

int BlockStripInSlice(int b, double width, double x, double cx, double cy, double R) {
  if (b < 0 || b >= kMaxBlocks) return -1;
  StripAboveArc(b, width, x, ArcYAt(cx, cy, R, x));
  return 0;
}

}  // namespace selvana
