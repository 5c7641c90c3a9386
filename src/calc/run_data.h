// The working data of one calculation run: block polygons, slice breakpoints, slip-surface hits,
// block heights at the slice sides, block strips and the search grid, in one fixed-size struct.
#pragma once
#include <array>

#include "model/project_model.h"

namespace selvana {

// Capacities of the run working data, sized for the worst case the model allows.
// Breakpoints: two seeds, every point, two ends of each surcharge and the closing sentinel.
inline constexpr int kMaxSliceBreaks = 2 + kMaxPoints + 2 * kSurchargeCount + 1 + 7;
// Hits: a boundary line meets a circle twice and the two vertical probes once each.
inline constexpr int kMaxSurfaceHits = 4 * kMaxLines;
// A traced outline holds at most one entry per line and the repeated first corner.
inline constexpr int kMaxPolygonEntries = kMaxLines + 1;

// An array with every element set to v (for default member values).
template <class T, std::size_t N>
constexpr std::array<T, N> FilledArray(T v) {
  std::array<T, N> a{};
  a.fill(v);
  return a;
}

// Sentinels of the slicing.
inline constexpr double kBreaksSentinel = -99999999.9;  // closes SliceBreaksX
inline constexpr double kNoTop = -999999.9;             // top of a block not cut by a vertical
inline constexpr double kNoBottom = 999999.9;           // bottom of a block not cut by a vertical

// The closed outline of every block as point slots, traced at the start of a run.
struct BlockPolygonListsRecord {
  // Edges of each block's polygon; -1 when the block has none in this run.
  std::array<int, kMaxBlocks> Count = FilledArray<int, kMaxBlocks>(-1);
  // Point slots of the outline: Count + 1 entries, the first repeated at the end when closed.
  std::array<std::array<int, kMaxPolygonEntries>, kMaxBlocks> Points{};
};

// Distinct X values at which slices break, descending, closed by kBreaksSentinel (counted).
struct SliceBreaksXRecord {
  int Count = 0;
  std::array<double, kMaxSliceBreaks> X{};
};

// The two ends of the current slice interval (XA right, XB left) and every block's top and
// bottom there; kNoTop / kNoBottom where the block is not cut. Every slice of the interval
// interpolates between the two ends, so what does not change from slice to slice is kept with
// them: the interval's width, each block's rise of top and bottom from A to B, and whether the
// block is cut at both ends.
struct SliceSideHeightsRecord {
  double XA = 0.0;
  double XB = 0.0;
  double Span = 0.0;  // XA - XB
  std::array<double, kMaxBlocks> TopA = FilledArray<double, kMaxBlocks>(kNoTop);
  std::array<double, kMaxBlocks> TopB = FilledArray<double, kMaxBlocks>(kNoTop);
  std::array<double, kMaxBlocks> BottomA = FilledArray<double, kMaxBlocks>(kNoBottom);
  std::array<double, kMaxBlocks> BottomB = FilledArray<double, kMaxBlocks>(kNoBottom);
  std::array<double, kMaxBlocks> TopRise{};     // TopB - TopA
  std::array<double, kMaxBlocks> BottomRise{};  // BottomB - BottomA
  std::array<bool, kMaxBlocks> CutAtBothEnds{};

  // Works out Span, the rises and CutAtBothEnds of the first `blocks` slots from the ends as
  // they stand now.
  void KeepRises(int blocks) {
    Span = XA - XB;
    for (int b = 0; b < blocks; ++b) {
      CutAtBothEnds[b] = TopA[b] != kNoTop && BottomA[b] != kNoBottom && TopB[b] != kNoTop &&
                         BottomB[b] != kNoBottom;
      TopRise[b] = TopB[b] - TopA[b];
      BottomRise[b] = BottomB[b] - BottomA[b];
    }
  }
};

// Crossings of the trial slip surface with the boundary lines, sorted by X descending.
// Block[k] is the block of the piece from hit k to hit k + 1 (-1 none); P1, P2 are the point
// slots of the boundary line hit.
struct SurfaceHitsRecord {
  int Count = 0;
  std::array<int, kMaxSurfaceHits> Block = FilledArray<int, kMaxSurfaceHits>(-1);
  std::array<int, kMaxSurfaceHits> P1{};
  std::array<int, kMaxSurfaceHits> P2{};
  std::array<double, kMaxSurfaceHits> X{};
  std::array<double, kMaxSurfaceHits> Y{};
};

// The part of one block inside one slice, above the slip surface (per metre of slope).
struct BlockStrip {
  double X = 0.0;     // slice middle
  double MidY = 0.0;  // mid-height of the strip
  double Area = 0.0;  // m2
};

// The grid a search walks and where it stands. Circles: CentreX / CentreY hold min, max, pitch,
// Radius the range of the current centre (Rmin, Rmax, dR), R the current radius. Straight lines:
// CentreX / CentreY hold the start point (method 3) or the two segments (method 5, places 0, 1
// the start segment, 2, 3 the end segment), AngleRange the slip angles of the pass, PointStep
// the point steps dX1, dY1, dX2, dY2 of method 5, Angle the current signed slip angle.
struct SearchGridRecord {
  int Order = 0;  // grid order or pass, 0-based
  std::array<double, 4> CentreX{};
  std::array<double, 4> CentreY{};
  std::array<double, 3> Radius{};
  double PointX = 0.0;  // current centre or start point
  double PointY = 0.0;
  double R = 0.0;
  std::array<double, 3> AngleRange{};  // degrees: minimum, maximum, step
  std::array<double, 4> PointStep{};
  double EndX = 0.0;  // current end point (method 5)
  double EndY = 0.0;
  double Angle = 0.0;  // degrees, signed
};

// The sense in which a straight slip line runs from its start point (+1.0 or -1.0) and the
// cosine and sine of the current signed slip angle.
struct LineDirectionRecord {
  double Factor = 1.0;
  double Cos = 1.0;
  double Sin = 0.0;
};

// The block outlines of the run, traced once before its search and only read while it runs, so
// every search thread reads the same ones.
extern BlockPolygonListsRecord BlockPolygonLists;

// Everything a search works on besides the model, the block outlines and the results.
struct CalcRunData {
  SliceBreaksXRecord SliceBreaksX;
  SliceSideHeightsRecord SliceSideHeights;
  SurfaceHitsRecord SurfaceHits;
  std::array<BlockStrip, kMaxBlocks> BlockStrips{};
  SearchGridRecord SearchGrid;
  LineDirectionRecord LineDirectionFactor;
};

// The run workspace, one per thread: a circle search that runs on several threads gives each
// its own, started as a copy of the calling thread's (see circle/search_threads.h). Every use
// names it (RunData.SearchGrid, RunData.SurfaceHits, ...), so what a function reads and writes
// of it shows at the call.
extern thread_local constinit CalcRunData RunData;

// Puts the run data into its empty state (no polygons, no breakpoints, no hits, blocks uncut).
void ResetCalcRunData();

}  // namespace selvana
