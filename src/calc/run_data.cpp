// The block outlines and the run workspace of each thread, and their reset.
#include "calc/run_data.h"

namespace selvana {

BlockPolygonListsRecord BlockPolygonLists;
thread_local constinit CalcRunData RunData;

void ResetCalcRunData() {
  // Field by field in place: the struct is too large for a temporary on the stack.
  BlockPolygonLists.Count.fill(-1);
  for (auto& points : BlockPolygonLists.Points) points.fill(0);
  RunData.SliceBreaksX.Count = 0;
  RunData.SliceBreaksX.X.fill(0.0);
  RunData.SliceSideHeights.XA = 0.0;
  RunData.SliceSideHeights.XB = 0.0;
  RunData.SliceSideHeights.TopA.fill(kNoTop);
  RunData.SliceSideHeights.TopB.fill(kNoTop);
  RunData.SliceSideHeights.BottomA.fill(kNoBottom);
  RunData.SliceSideHeights.BottomB.fill(kNoBottom);
  RunData.SliceSideHeights.Span = 0.0;
  RunData.SliceSideHeights.TopRise.fill(0.0);
  RunData.SliceSideHeights.BottomRise.fill(0.0);
  RunData.SliceSideHeights.CutAtBothEnds.fill(false);
  RunData.SurfaceHits.Count = 0;
  RunData.SurfaceHits.Block.fill(-1);
  RunData.SurfaceHits.P1.fill(0);
  RunData.SurfaceHits.P2.fill(0);
  RunData.SurfaceHits.X.fill(0.0);
  RunData.SurfaceHits.Y.fill(0.0);
  RunData.BlockStrips.fill(BlockStrip{});
  RunData.SearchGrid = SearchGridRecord{};
  RunData.LineDirectionFactor = LineDirectionRecord{};
}

}  // namespace selvana
