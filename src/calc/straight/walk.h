// The walk along one straight slip line, shared by both straight-line searches: ordering its
// crossings with the ground, the block of every piece, the slices of each soil piece with
// their strips and forces, and the closing of a wedge at air, water and soil without strength;
// and the number of passes both searches run.
#pragma once

#include "calc/slicing/walk.h"

namespace selvana {

// StraightSlipSettings.Passes held to 1..4: a value from a file outside that range would index
// past the four result tables (or run no pass at all).
int StraightPassCount();

// What a search does when a wedge closes: its totals, its store and a fresh record.
class WedgeCloser {
 public:
  virtual ~WedgeCloser() = default;
  virtual void CloseWedge() = 0;
};

// Sorts SurfaceHits by X descending (ties ordered against tieX) and gives each piece the block
// that holds its middle, the mean of its two crossings.
void OrderLineHits(double tieX);

// Walks the pieces of SurfaceHits from right to left along the line through (x0, y0) at the
// signed angle in SearchGrid.Angle (WalkSurfacePieces with the search's rules): slices soil
// pieces into CurrentSlipResult and calls closer.CloseWedge() at every piece that ends a wedge.
// Does not close the last wedge: the search closes it after the walk. Starts with SlipInvalid 0.
void WalkSlipLine(const SurfaceWalkRules& rules, double x0, double y0, WedgeCloser& closer);

}  // namespace selvana
