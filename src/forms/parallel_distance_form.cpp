// The parallel-line distance and its text.
#include "forms/parallel_distance_form.h"

#include "model/project_model.h"
#include "platform/typed_number.h"

namespace selvana {

ShownNumber ShowParallelDistance() { return ShowNumber(ParallelLineDistance, "%7.3f"); }

std::string FormatParallelDistance(std::string_view text) {
  return FormatTypedNumber(text, "%7.3f");
}

void StoreParallelDistance(std::string_view text, const ShownNumber& shown) {
  ParallelLineDistance = ShownOrTypedNumberOr(text, shown, ParallelLineDistance);
}

}  // namespace selvana
