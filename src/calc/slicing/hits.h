// The list of crossings of a trial slip surface with the ground (SurfaceHits): appending,
// the comb sort with its tie order on near-equal X, and the block of each piece between hits.
#pragma once
#include <cmath>

#include "calc/run_data.h"
#include "calc/slicing/comb_sort.h"
#include "calc/slicing/polygons.h"

namespace selvana {

// Empties SurfaceHits.
void ClearSurfaceHits();

// Appends a hit on the boundary line p1-p2 at (x, y), block -1. Returns false (and stores
// nothing) when the list is full.
bool AppendSurfaceHit(double x, double y, int p1, int p2);

// Sorts the hits by X descending. Hits closer than 1e-5 in X are ordered by Y against tieX,
// judged by the X of the earlier hit of the pair: right of tieX the higher first, left of it the
// lower first (each with 1e-6 of slack), at tieX exactly they stay as they are.
void SortSurfaceHits(double tieX, CombGapRule rule = CombGapRule::kTimesInverse);

// Sets the block of every piece: -1 for all, then for each pair k, k + 1 at least 0.0001 apart
// in X, BlockHoldingPoint at their mean X and pieceY(k, xm), the slip surface's Y there.
template <class PieceY>
void AssignPieceBlocks(PieceY pieceY) {
  auto& hits = RunData.SurfaceHits;
  for (int k = 0; k < hits.Count; ++k) hits.Block[k] = -1;
  for (int k = 0; k + 1 < hits.Count; ++k) {
    // A narrower piece is vertical and lies in no block.
    if (!(std::fabs(hits.X[k] - hits.X[k + 1]) >= 0.0001)) continue;
    const double xm = (hits.X[k] + hits.X[k + 1]) / 2.0;
    hits.Block[k] = BlockHoldingPoint(xm, pieceY(k, xm));
  }
}

}  // namespace selvana
