// Showing model numbers and texts and reading them back unchanged while untouched.
#include "forms/shown_number.h"

#include "platform/cp932.h"
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

ShownText ShowText(const std::string& cp932) { return {ToUtf8(cp932), cp932}; }

std::string ShownOrTypedText(std::string_view text, const ShownText& shown) {
  return text == shown.Text ? shown.Bytes : ToCp932(text);
}

std::string FirstCharacterNotInFile(std::string_view text, const ShownText& shown) {
  return text == shown.Text ? std::string() : FirstCharacterNotInCp932(text);
}

}  // namespace selvana
