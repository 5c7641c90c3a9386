// The Bishop run entry: the circle run entry with the Bishop family, and the report of slip
// surfaces left without a safety factor because their slices did not fit.
#include "calc/bishop_run_entry.h"

#include "calc/circle/bishop_search.h"
#include "calc/circle/bishop_slices.h"
#include "calc/run_entry.h"
#include "model/partial_factors.h"
#include "model/project_model.h"
#include "platform/message_box.h"
#include "platform/number_format.h"

namespace selvana {

std::string BishopSliceOverflowMessage() {
  return StrFormat(
      "すべり面の分割数が上限（%zu）を超えたため、安全率を求めなかったすべり面があります。\n"
      "分割幅を大きくしてください。",
      kMaxBishopSlices);
}

int RunCircleCalcBishop(CalcProgress& progress) {
  const CircleRunFamily bishop = {kMethodBishop, kMethodModifiedBishop, "cm.kt != 2,4",
                                  &ApplyPartialFactorsBishop, &SearchCirclesBishop};
  const int result = RunCircleCalc(bishop, progress);
  if (result == 0 && BishopSlices.Dropped() > 0) {
    ShowMessage(BishopSliceOverflowMessage(), "error", MsgButtons::Ok, MsgIcon::Warning);
  }
  return result;
}

}  // namespace selvana
