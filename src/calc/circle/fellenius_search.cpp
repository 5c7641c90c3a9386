// The Fellenius / Tschebotarioff circle search: the shared circle walk with the slice moments,
// totals and store of methods 0 and 1.
#include "calc/circle/fellenius_search.h"

#include "calc/circle/fellenius_slice.h"
#include "calc/circle/fellenius_totals.h"
#include "calc/results/result_store.h"
#include "calc/results/slip_result.h"

namespace selvana {

void FelleniusCircleMethod::ResetRecord(int order0, double cx, double cy, double R) {
  ResetCircleRecord(order0, cx, cy, R);
}

void FelleniusCircleMethod::AddSlice(double R, double /*cx: moments need only the centre height*/,
                                     double cy, int b, double xR, double yR, double xL, double yL) {
  AddSliceMomentsFellenius(run_, R, cy, b, xR, yR, xL, yL, CurrentSlipResult);
}

BishopShares FelleniusCircleMethod::CompleteSurface() {
  CircleTotalsFellenius();
  return {};
}

void FelleniusCircleMethod::StoreSurface(int order0, const BishopShares& /*none*/,
                                         std::string_view dumpLines) {
  StoreCircleResult(order0 + 1, progress_, dumpLines);
}

int SearchCirclesFellenius(CalcProgress& progress) {
  FelleniusCircleMethod method(progress);
  return SearchCircles(FelleniusCircleSettings, method, progress);
}

}  // namespace selvana
