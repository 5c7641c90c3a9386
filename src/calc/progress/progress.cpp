// The order line and the abort poll shared by the searches.
#include "calc/progress/progress.h"

#include "model/project_model.h"
#include "platform/number_format.h"

namespace selvana {

void ShowOrderCount(CalcProgress& progress, int order, int highest) {
  progress.SetLine(1, StrFormat("計算次数=%2d    最大次数=%2d   ", order, highest));
}

bool AbortRequested(CalcProgress& progress) {
  if (progress.PollStop()) CalcStatus = -1;
  return CalcStatus == -1;
}

}  // namespace selvana
