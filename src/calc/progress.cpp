// The abort poll shared by the searches.
#include "calc/progress.h"

#include "model/project_model.h"

namespace selvana {

bool AbortRequested(CalcProgress& progress) {
  if (progress.PollStop()) CalcStatus = -1;
  return CalcStatus == -1;
}

}  // namespace selvana
