// Circle totals of the modified Fellenius / Tschebotarioff method. The thrust of pressure water
// at the ends, the horizontal forces and the sliding sense complete the driving moment; the pile
// term is recorded but left to the consolidation, which adds it for the critical surface only.
#include "calc/circle/fellenius_totals.h"

#include "calc/circle/fellenius_sheet_pile.h"
#include "calc/circle/totals_common.h"
#include "calc/results/safety_factor.h"
#include "calc/results/slip_result.h"
#include "calc/run_data.h"
#include "model/project_model.h"

namespace selvana {

int CircleTotalsFellenius() {
  SlipResult& r = CurrentSlipResult;
  const double cy = RunData.SearchGrid.PointY;
  if (cm.DrivingForceMode != 1) {
    AddEndWaterThrusts(r.mdw, r.sx, r.sy, cy, 1);
    AddEndWaterThrusts(r.mdw, r.ex, r.ey, cy, -1);
  }
  AddHorizontalForceMoments(r, cy);
  ApplySlipDirection(r, FelleniusCircleSettings.SlipDirection);
  r.mry = SheetPileMoment(r.cx, r.cy, r.rr);
  r.mr = r.mrf + r.mrc;
  r.md = r.mdw + r.mdh + r.mdk;
  if (SurfaceJudged()) r.f = SafetyFactorOf(r.mr, r.md, NoFactorRule::kFellenius);
  return 0;
}

}  // namespace selvana
