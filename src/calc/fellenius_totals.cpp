// Circle totals of the modified Fellenius / Tschebotarioff method. The thrust of pressure water
// at the ends, the horizontal forces and the sliding sense complete the driving moment; the pile
// term is recorded but left to the consolidation, which adds it for the critical surface only.
#include "calc/fellenius_totals.h"

#include <algorithm>
#include <cmath>

#include "calc/circle_totals_common.h"
#include "calc/fellenius_sheet_pile.h"
#include "calc/run_data.h"
#include "calc/safety_factor.h"
#include "calc/slicing_polygons.h"
#include "calc/slip_result.h"
#include "model/project_model.h"

namespace selvana {
void AddEndWaterThrusts(double& mdw, double x, double y, double cy, int sign) {
  for (int b = 0; b < BlockCount; ++b) {
    const BlockRecord& block = BlockTable[b];
    if (block.Number < 0 || block.Kind != kBlockPressureWater) continue;
    if (BlockPolygonLists.Count[b] < 0) continue;
    double top = 0.0, bottom = 0.0;
    BlockExtentAtX(b, x, 0.0001, top, bottom);
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

int CircleTotalsFellenius() {
  SlipResult& r = CurrentSlipResult;
  const double cy = SearchGrid.PointY;
  if (cm.DrivingForceMode != 1) {
    AddEndWaterThrusts(r.mdw, r.sx, r.sy, cy, 1);
    AddEndWaterThrusts(r.mdw, r.ex, r.ey, cy, -1);
  }
  AddHorizontalForceMoments(r, cy);
  ApplySlipDirection(r, FelleniusCircleSettings.SlipDirection);
  r.mry = SheetPileMoment(r.cx, r.cy, r.rr);
  r.mr = r.mrf + r.mrc;
  r.md = r.mdw + r.mdh + r.mdk;
  if (SlipInvalid == 0) r.f = SafetyFactorWithMarks(r.mr, r.md);
  return 0;
}

}  // namespace selvana
