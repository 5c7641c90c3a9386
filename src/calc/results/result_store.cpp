// Acceptance, table append, running minimum and overflow of the result stores.
#include "calc/results/result_store.h"

#include "calc/results/safety_factor.h"
#include "calc/results/slip_result.h"
#include "model/project_model.h"
#include "platform/number_format.h"

namespace selvana {
namespace {

// True when the surface has slices, so that its ends were found.
bool BothEndsFound(const SlipResult& r) { return r.sx >= -999999.0 && r.ex <= 999999.0; }

// Appends r to the table of order, or, when the table is full, counts the overflow and lets a
// new minimum take the last slot.
void Append(int order, const SlipResult& r, bool newMinimum) {
  const int t = order - 1;
  int& count = SlipResultCount[t];
  if (count < kMaxSlipResults) {
    SlipResultTable[t][count++] = r;
    return;
  }
  ++SlipResultOverflow[t];
  if (newMinimum) SlipResultTable[t][kMaxSlipResults - 1] = r;
}

void UpdateMinimum(SlipFamily family, const SlipResult& r) {
  MinSlip.F = r.f;
  MinSlip.cx = r.cx;
  MinSlip.cy = r.cy;
  MinSlip.rr = r.rr;
  if (family == SlipFamily::LineBetweenSegments) {
    MinSlip.EndX = r.dx;
    MinSlip.EndY = r.dy;
  }
  MinSlip.Direction = SlopeDirection;
}

// Counts a surface offered to a store into SurfaceTally.
void Tally(const SlipResult& r) {
  ++SurfaceTally.offered;
  if (!BothEndsFound(r)) return;
  ++SurfaceTally.reached;
  if (r.md > 1e-5) ++SurfaceTally.driven;
  if (CarriesNoFactorMark(r.f)) return;
  ++SurfaceTally.factored;
  if (r.f > cm.MaxSafetyFactor) ++SurfaceTally.aboveMaximum;
}

int Store(SlipFamily family, int order, const BishopShares& shares, CalcProgress& progress,
          std::string_view dumpLines = {}) {
  const SlipResult& r = CurrentSlipResult;
  Tally(r);
  if (!SurfaceAccepted(r)) return 0;
  CalcStatus = 1;
  const bool newMinimum = r.f < MinSlip.F;
  Append(order, r, newMinimum);
  if (dumpLines.empty()) {
    WriteDumpLines(family, r, shares, AnswerDump);
  } else {
    AnswerDump.Write(dumpLines);
  }
  if (newMinimum) UpdateMinimum(family, r);
  ShowStoredSurface(family, r, MinSlip, progress);
  return 0;
}

bool ValidOrder(int order) { return order >= 1 && order <= kSlipResultOrders; }

// The refusal of the stores other than the circle store: 1 for order 0, -1 otherwise.
int TwinRefusal(int order) { return order == 0 ? 1 : -1; }

}  // namespace

bool SurfaceAccepted(const SlipResult& r) { return r.f <= cm.MaxSafetyFactor && BothEndsFound(r); }

int StoreCircleResult(int order, CalcProgress& progress, std::string_view dumpLines) {
  if (!ValidOrder(order)) return -1;
  return Store(SlipFamily::Circle, order, BishopShares{}, progress, dumpLines);
}

int StoreCircleResultBishop(int order, const BishopShares& shares, CalcProgress& progress,
                            std::string_view dumpLines) {
  if (!ValidOrder(order)) return TwinRefusal(order);
  return Store(SlipFamily::BishopCircle, order, shares, progress, dumpLines);
}

int StoreLineResult(int order, CalcProgress& progress) {
  if (!ValidOrder(order)) return TwinRefusal(order);
  return Store(SlipFamily::LineFromPoint, order, BishopShares{}, progress);
}

int StoreLineResult2(int order, CalcProgress& progress) {
  if (!ValidOrder(order)) return TwinRefusal(order);
  return Store(SlipFamily::LineBetweenSegments, order, BishopShares{}, progress);
}

bool SlipResultsOverflowed() {
  for (int n : SlipResultOverflow) {
    if (n > 0) return true;
  }
  return false;
}

std::string SlipResultOverflowMessage() {
  std::string orders;
  for (int t = 0; t < kSlipResultOrders; ++t) {
    if (SlipResultOverflow[t] == 0) continue;
    if (!orders.empty()) orders += ",";
    orders += StrFormat("%d", t + 1);
  }
  return StrFormat(
      "計算結果の記録数が上限（%d件）を超えました（次数 %s）。\n"
      "超えた分のすべり面は結果表に記録されていません。\n"
      "最小安全率のすべり面は記録されています。",
      kMaxSlipResults, orders.c_str());
}

void StartSearchResults() {
  for (int order = 1; order <= kSlipResultOrders; ++order) ClearSlipResults(order);
  SurfaceTally = SurfaceTallyRecord{};
  EnterDumpFolder();
  DeleteDumpFiles();
}

void ResetResultStoreState() {
  ResetSlipResultState();
  AnswerDump.Close();
}

}  // namespace selvana
