// Block polygons of a run and where a vertical cuts them: block heights at an X, the extent of
// one block on a vertical, and the block that holds a point.
#pragma once
#include <array>

#include "model/project_model.h"

namespace selvana {

// Traces every block slot below BlockCount (free ones included) from its seed point and keeps
// outlines of more than 3 entries in BlockPolygonLists (count = entries - 1 edges), widening
// the block's BBox (max X, min X, max Y, min Y from -9999.9, +9999.9, -9999.9, +9999.9) over
// them. Other slots get count -1; a block without a polygon keeps its BBox. A trace that finds
// no boundary line, or an outline naming a point slot outside the table, gives no polygon.
int BuildBlockPolygons();

// The edge count of block b's polygon, 0 for a free slot or a block without a polygon.
int UsedPolygonEdges(int b);

// For every block slot below BlockCount: the highest and lowest crossing of its polygon with
// the vertical at x, written to tops and bottoms, or -999999.9 / +999999.9 when the block is
// free, has no polygon or is not cut. A vertex within 1e-5 of x gives its own Y; edges wholly
// on one side of x or steeper than 0.0001 in X are skipped. Returns 0.
int BlockHeightsAtX(double x, std::array<double, kMaxBlocks>& tops,
                    std::array<double, kMaxBlocks>& bottoms);

// The highest (top) and lowest (bottom) crossing of block b's polygon with the vertical at x,
// over the edges whose X span holds x (ends included): an end within 1e-5 of x gives its own Y,
// an edge whose ends differ in X by verticalTolerance or less is skipped otherwise. top and
// bottom stay -999999.9 and +999999.9 when nothing crosses (or b has no polygon). The block
// search below and the cohesion check use 1e-5.
void BlockExtentAtX(int b, double x, double verticalTolerance, double& top, double& bottom);

// The extent of block b on the end face of a slip surface at x, which the water thrust at that
// end reads: as BlockExtentAtX with 0.0001 for steep edges, but an edge also counts when x lies
// within 1e-5 beyond one of its ends (and then gives that end's Y). The end's X comes from an
// intersection and lands a few last bits either side of a vertical wall; an exact span test
// would see the whole water column behind the wall or none of it.
void EndFaceExtentAtX(int b, double x, double& top, double& bottom);

// The first used block slot (below BlockCount) whose polygon holds (x, y) strictly inside its
// extent at x, with 1e-5 of slack downward (y < top - 1e-5 and bottom - 1e-5 < y); -1 none.
int BlockHoldingPoint(double x, double y);

}  // namespace selvana
