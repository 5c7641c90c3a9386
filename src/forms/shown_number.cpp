// Showing model numbers and reading them back unrounded while untouched.
#include "forms/shown_number.h"

#include "platform/number_format.h"
#include "platform/typed_number.h"

namespace selvana {

ShownNumber ShowNumber(double value, const char* format) {
  return {StrFormat(format, value), value};
}

std::optional<double> ShownOrTypedNumber(std::string_view text, const ShownNumber& shown) {
  if (!shown.Text.empty() && text == shown.Text) return shown.Value;
  return TypedNumber(text);
}

double ShownOrTypedNumberOr(std::string_view text, const ShownNumber& shown, double kept) {
  return ShownOrTypedNumber(text, shown).value_or(kept);
}

}  // namespace selvana
