// The strip of one block inside one slice of a slip circle.
#pragma once

namespace selvana {

// Fills BlockStrips[b] for the slice of the given width whose middle is at x, above the circle
// (cx, cy, R), from the block's heights at both ends of the interval in SliceSideHeights:
// {x, 0, 0} when the block is not cut at one of the ends; otherwise top and bottom interpolated
// at x, both raised to the arc, giving {x, mid-height, height x width}, and SlipMassYRange
// widened to the strip's top and bottom. Returns 0 (-1 for a slot outside the block table).
int BlockStripInSlice(int b, double width, double x, double cx, double cy, double R);

}  // namespace selvana
