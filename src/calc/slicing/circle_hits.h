// The crossings of a trial circle with the ground, sorted, with the block of every piece.
#pragma once

namespace selvana {

// Fills SurfaceHits for the circle (cx, cy, R). For every boundary line in table order: its
// secant points with the circle on the lower half (Y < cy + 1e-5; a tangent point is not a
// hit), then its crossings with the vertical probes from (cx + R, cy - 1e-5) and
// (cx - R, cy - 1e-5) up to cy + 9999.0, which continue the slip surface upward to ground that
// lies above the centre. Then sorts them (ties on near-equal X ordered against cx) and finds
// the block of each piece below the arc. Returns 0.
int CircleSurfaceIntersections(double cx, double cy, double R);

}  // namespace selvana
