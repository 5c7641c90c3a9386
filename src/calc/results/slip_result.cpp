// The slip-surface globals and their resets.
#include "calc/results/slip_result.h"

#include "calc/results/safety_factor.h"

namespace selvana {

thread_local constinit SlipResult CurrentSlipResult{};
SlipResultTableArray SlipResultTable;  // zero-filled static storage, no start-up cost
std::array<int, kSlipResultOrders> SlipResultCount{};
std::array<int, kSlipResultOrders> SlipResultOverflow{};
SurfaceTallyRecord SurfaceTally;
MinSlipRecord MinSlip;
thread_local constinit int SlipInvalid = 0;
thread_local constinit int SlipSliceBases = 0;
thread_local constinit SlipMassYRangeRecord SlipMassYRange;
thread_local constinit int SlopeDirection = 1;

namespace {

// What every reset shares: order, start point, angle or radius, the right and left ends, the
// moment terms except mry, the mark and the label at the start point.
void ResetCommon(int index0, double x, double y, double rrValue) {
  SlipResult& r = CurrentSlipResult;
  r.order = index0 + 1;
  r.cx = x;
  r.cy = y;
  r.LabelX = x;
  r.LabelY = y;
  r.rr = rrValue;
  r.sx = kRightEndUnset;
  r.sy = 0.0;
  r.ex = kLeftEndUnset;
  r.ey = 0.0;
  r.mrf = r.mrc = r.mr = 0.0;
  r.mdw = r.mdh = r.mdk = r.md = 0.0;
  r.f = kNoSafetyFactor;
  r.valid = 1;
  SlipMassYRange = SlipMassYRangeRecord{};
  SlipInvalid = 0;
  SlipSliceBases = 0;
}

}  // namespace

int ResetCircleRecord(int order0, double cx, double cy, double r) {
  ResetCommon(order0, cx, cy, r);
  SlipResult& s = CurrentSlipResult;
  s.csx = kRightEndUnset;
  s.csy = 0.0;
  s.cex = kLeftEndUnset;
  s.cey = 0.0;
  s.mry = 0.0;
  return 0;
}

int ResetLineRecord(int pass0, double x0, double y0, double angle) {
  ResetCommon(pass0, x0, y0, angle);
  return 0;
}

int ResetLineRecord2(int pass0, double x0, double y0, double dx, double dy, double angle) {
  ResetCommon(pass0, x0, y0, angle);
  CurrentSlipResult.dx = dx;
  CurrentSlipResult.dy = dy;
  return 0;
}

void ResetMinSlip() { MinSlip = MinSlipRecord{}; }

void ClearSlipResults(int order) {
  if (order < 1 || order > kSlipResultOrders) return;
  SlipResultCount[order - 1] = 0;
  SlipResultOverflow[order - 1] = 0;
}

void ResetSlidingSenses() {
  SlopeDirection = 0;
  MinSlip.Direction = 0;
}

void ResetSlipResultState() {
  CurrentSlipResult = SlipResult{};
  SlipResultCount.fill(0);
  SlipResultOverflow.fill(0);
  SurfaceTally = SurfaceTallyRecord{};
  ResetMinSlip();
  SlipInvalid = 0;
  SlipSliceBases = 0;
  SlipMassYRange = SlipMassYRangeRecord{};
  ResetSlidingSenses();
}

}  // namespace selvana
