// The single instance of the run working data and its reset.
#include "calc/run_data.h"

namespace selvana {

CalcRunData RunData;

void ResetCalcRunData() {
  // Field by field in place: the struct is too large for a temporary on the stack.
  BlockPolygonLists.Count.fill(-1);
  for (auto& points : BlockPolygonLists.Points) points.fill(0);
  SliceBreaksX.Count = 0;
  SliceBreaksX.X.fill(0.0);
  SliceSideHeights.XA = 0.0;
  SliceSideHeights.XB = 0.0;
  SliceSideHeights.TopA.fill(kNoTop);
  SliceSideHeights.TopB.fill(kNoTop);
  SliceSideHeights.BottomA.fill(kNoBottom);
  SliceSideHeights.BottomB.fill(kNoBottom);
  SurfaceHits.Count = 0;
  SurfaceHits.Block.fill(-1);
  SurfaceHits.P1.fill(0);
  SurfaceHits.P2.fill(0);
  SurfaceHits.X.fill(0.0);
  SurfaceHits.Y.fill(0.0);
  BlockStrips.fill(BlockStrip{});
  SearchGrid = SearchGridRecord{};
  LineDirectionFactor = LineDirectionRecord{};
}

}  // namespace selvana
