// The end-water thrust, the horizontal-force moments and the sliding sense of a circle, as both
// circle totals take them.
#include "calc/circle/totals_common.h"

#include <algorithm>

#include "calc/run_data.h"
#include "calc/slicing/polygons.h"
#include "model/project_model.h"

namespace selvana {

void AddEndWaterThrusts(double& mdw, double x, double y, double cy, int sign) {
  for (int b = 0; b < BlockCount; ++b) {
    const BlockRecord& block = BlockTable[b];
    if (block.Number < 0 || block.Kind != kBlockPressureWater) continue;
    if (BlockPolygonLists.Count[b] < 0) continue;
    double top = 0.0, bottom = 0.0;
    EndFaceExtentAtX(b, x, top, bottom);
    bottom = std::max(bottom, y);
    if (!(bottom < top)) continue;
    const double depth = top - bottom;
    const double moment =
        (cy - (top + 2.0 * bottom) / 3.0) * (depth * depth) * block.UnitWeight * 0.5;
    // Each block's thrust goes onto the sum by itself: grouping them first would round
    // differently and can move a safety factor across a truncation step.
    if (sign < 0) {
      mdw -= moment;
    } else {
      mdw += moment;
    }
  }
}

void AddHorizontalForceMoments(SlipResult& r, double cy) {
  const HorizontalForceRecord& h = cm.HorizontalForces;
  for (int i = 0; i < 2; ++i) {
    if (SlipMassYRange.MinY <= h.Y[i] && h.Y[i] <= SlipMassYRange.MaxY) {
      r.mdh += (cy - h.Y[i]) * h.H[i];
    }
  }
  // The third force acts whatever the height of the sliding mass.
  r.mdh += (cy - h.Y[2]) * h.H[2];
}

void ApplySlipDirection(SlipResult& r, int slipDirection) {
  switch (slipDirection) {
    case 1: SlopeDirection = r.mdw >= 0.0 ? 1 : -1; break;
    case 2: SlopeDirection = -1; break;
    default: SlopeDirection = 1; break;
  }
  if (SlopeDirection == -1) r.mdw = -r.mdw;
}

}  // namespace selvana
