// The strip of one block inside one slice, above a slip surface and above a slip circle.
#pragma once

namespace selvana {

// Fills BlockStrips[b] (b a valid slot) for the slice of the given width whose middle is at x,
// above a slip surface whose Y there is baseY, from the block's heights at both ends of the
// interval in SliceSideHeights: {x, 0, 0} when the block is not cut at one of the ends (returns
// false); otherwise top and bottom interpolated at x, both raised to baseY, giving
// {x, mid-height, height x width} (returns true with top and bottom).
bool StripAboveBase(int b, double width, double x, double baseY, double& top, double& bottom);

// Fills BlockStrips[b] for the slice of the given width whose middle is at x, above the circle
// (cx, cy, R), from the block's heights at both ends of the interval in SliceSideHeights:
// {x, 0, 0} when the block is not cut at one of the ends; otherwise top and bottom interpolated
// at x, both raised to the arc, giving {x, mid-height, height x width}, and SlipMassYRange
// widened to the strip's top and bottom. Returns 0 (-1 for a slot outside the block table).
int BlockStripInSlice(int b, double width, double x, double cx, double cy, double R);

}  // namespace selvana
