// The parallel-line distance and its text.
#include "forms/parallel_distance_form.h"

#include "model/project_model.h"
#include "platform/number_format.h"
#include "platform/number_parse.h"

namespace selvana {

std::string ParallelDistanceText() { return StrFormat("%7.3f", ParallelLineDistance); }

std::string FormatParallelDistance(std::string_view text) {
  return StrFormat("%7.3f", ParseDouble(text));
}

void StoreParallelDistance(std::string_view text) { ParallelLineDistance = ParseDouble(text); }

}  // namespace selvana
