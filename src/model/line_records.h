// Adding lines under the line rules, and tracing the outline of a block from its seed point.
#pragma once
#include <array>
#include <span>

#include "model/project_model.h"

namespace selvana {

// The closed chain of point slots around one block (first corner repeated at the end when
// closed). One instance, overwritten by every trace; copy it to keep it.
struct BlockOutlineRecord {
  int Count = 0;
  std::array<int, kMaxLines + 1> Points{};
};
extern BlockOutlineRecord BlockOutline;

// Empties BlockOutline (count 0), so that tests start without a previous trace.
void ResetBlockOutline();

// A point slot below PointCount that holds a point: every line's two ends must be such points.
bool HoldsPointBelowCount(int slot);

// Boundary, uncut and residual-water lines (kinds 1, 2, 7) need two distinct ends; the arc
// limits may be a point.
bool NeedsDistinctEnds(int kind);

// The index of the first of lines that holds kind between p1 and p2 (same kind, same two ends in
// either order), or -1: the line that a line of kind from p1 to p2 would repeat.
int RepeatedLine(int kind, int p1, int p2, std::span<const LineRecord> lines);

// Adds a line of kind 1..7 between point slots p1 and p2 (stored as the smaller, the larger;
// drawn): 0 stored, 1 refused (equal ends for kinds 1, 2, 7; a duplicate of the same kind and
// ends; a full table; a kind or point slot out of range). Leaves DataModified alone.
int AddLineRecord(int kind, int p1, int p2);

// Traces the boundary lines around the seed point into BlockOutline. -1 when the model has no
// boundary line (BlockOutline unchanged); otherwise the count written (closed when the last
// entry equals the first). The walk runs clockwise around the seed, turning at every corner
// into the boundary line nearest counterclockwise from the way back; it stops open at a dead
// end or after LineCount + 1 entries.
int TraceBlockRegion(double seedX, double seedY);

// Outlines as their entries (point slots, the first repeated at the end when closed).
// Closed: at least two entries and the last equal to the first.
bool OutlineClosed(std::span<const int> outline);
// True when two steps of the outline join the same two corners, in either direction: out and
// back along one line, or along two lines with the same ends. A corner may come twice.
bool OutlineWalksAnEdgeTwice(std::span<const int> outline);
// True when both outlines are closed and walk the same corners in the same order, from
// whichever corner each starts, in the same or the opposite direction.
bool SameClosedOutline(std::span<const int> a, std::span<const int> b);
// True when (x, y) lies inside the closed outline (an odd count of its edges cross the ray from
// the point toward +X); false for an open outline. A point on an edge may fall either way.
bool OutlineHolds(std::span<const int> outline, double x, double y);

// A block's region is the outline its seed traces, and it is the block's own only when the seed
// lies inside it and no other block's seed does. A seed outside the loop nearest to it walks
// that loop backwards (a seed in the air walks the section, the seed of a region round an island
// walks the island), and an island's block has its seed inside the outline of the region round
// it: either way two blocks would count one piece of ground, or a block none.

// What the user can do about a block that breaks that rule (UTF-8), to follow the reason.
inline constexpr char kBlockRegionAdvice[] =
    "ブロック中心を自分の領域の中に移すか、"
    "島を囲む領域を線分で分けてそれぞれをブロックにしてください。";

// The first used block slot, other than skipped, whose seed lies inside the outline, or -1.
int BlockSeedInside(std::span<const int> outline, int skipped);
// The first used block slot, other than skipped, whose seed traces the same closed outline as
// the seed (x, y), in either direction, or -1. BlockOutline is left holding the trace of (x, y).
int BlockInSameRegion(double x, double y, int skipped);
// The first used block slot, other than skipped, whose seed traces an outline holding (x, y),
// or -1. BlockOutline is left as it was.
int BlockAroundPoint(double x, double y, int skipped);

// The section's extent: the box around the ends of every boundary line, the ground that a slip
// surface can cut. A model without boundary lines has none, and then nothing lies outside it.
struct SectionBox {
  double MinX = 0.0, MaxX = 0.0, MinY = 0.0, MaxY = 0.0;
  bool Empty = true;

  // True when the box is empty or the coordinate lies within its range, 0.0001 m beyond the
  // edges included.
  bool HoldsX(double x) const;
  bool HoldsY(double y) const;
};
SectionBox SectionExtent();

}  // namespace selvana
