// The number of passes of a straight-line search.
#include "calc/straight_passes.h"

#include <algorithm>

#include "calc/slip_result.h"
#include "model/project_model.h"

namespace selvana {

int StraightPassCount() { return std::clamp(StraightSlipSettings.Passes, 1, kSlipResultOrders); }

}  // namespace selvana
