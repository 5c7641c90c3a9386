// The parallel-line distance and its text.
#include "forms/parallel_distance_form.h"

#include "model/project_model.h"
#include "platform/number_format.h"
#include "platform/typed_number.h"

namespace selvana {

std::string ParallelDistanceText() { return StrFormat("%7.3f", ParallelLineDistance); }

std::string FormatParallelDistance(std::string_view text) {
  return FormatTypedNumber(text, "%7.3f");
}

void StoreParallelDistance(std::string_view text) {
  ParallelLineDistance = TypedNumberOr(text, ParallelLineDistance);
}

}  // namespace selvana
