// The horizontal-force moments and the sliding sense of a circle, as both circle totals take
// them.
#include "calc/circle_totals_common.h"

#include "model/project_model.h"

namespace selvana {

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
