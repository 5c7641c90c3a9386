// The message of a coordinate beyond the range the model holds.
#include "forms/coordinate_range.h"

#include "platform/number_format.h"

namespace selvana {

std::string CoordinateRangeMessage(std::string_view label, std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  const std::size_t last = text.find_last_not_of(' ');
  const std::string typed(first == std::string_view::npos ? ""
                                                          : text.substr(first, last - first + 1));
  const std::string name(label);
  return StrFormat("%s「%s」では座標が扱える範囲を超えてしまいます。%sを入力し直してください。",
                   name.c_str(), typed.c_str(), name.c_str());
}

}  // namespace selvana
