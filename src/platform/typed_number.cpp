// Reading typed numbers: width folding, the strict whole-text check and the refusal message.
#include "platform/typed_number.h"

#include <climits>
#include <cmath>

#include "platform/message_box.h"
#include "platform/number_format.h"
#include "platform/number_parse.h"

namespace selvana {
namespace {

// The code point of a three-byte UTF-8 sequence at text[i], or 0 when there is none.
char32_t ThreeByteCodePoint(std::string_view text, std::size_t i) {
  if (i + 2 >= text.size()) return 0;
  const auto b0 = static_cast<unsigned char>(text[i]);
  const auto b1 = static_cast<unsigned char>(text[i + 1]);
  const auto b2 = static_cast<unsigned char>(text[i + 2]);
  if ((b0 & 0xF0) != 0xE0 || (b1 & 0xC0) != 0x80 || (b2 & 0xC0) != 0x80) return 0;
  return (char32_t(b0 & 0x0F) << 12) | (char32_t(b1 & 0x3F) << 6) | char32_t(b2 & 0x3F);
}

// The half-width character a full-width code point stands for, or 0 when it has none.
char HalfWidthOf(char32_t c) {
  if (c >= 0xFF01 && c <= 0xFF5E) return static_cast<char>(c - 0xFF01 + '!');
  if (c == 0x3000) return ' ';  // ideographic space
  if (c == 0x2212) return '-';  // minus sign
  return 0;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Skips digits from pos; returns how many there were.
std::size_t SkipDigits(std::string_view text, std::size_t& pos) {
  const std::size_t start = pos;
  while (pos < text.size() && IsDigit(text[pos])) ++pos;
  return pos - start;
}

void SkipSign(std::string_view text, std::size_t& pos) {
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
}

// True when the whole text is [sign] digits [. digits] [e [sign] digits], with at least one
// digit before the exponent.
bool IsDecimalNumber(std::string_view text) {
  std::size_t pos = 0;
  SkipSign(text, pos);
  std::size_t digits = SkipDigits(text, pos);
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    digits += SkipDigits(text, pos);
  }
  if (digits == 0) return false;
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    ++pos;
    SkipSign(text, pos);
    if (SkipDigits(text, pos) == 0) return false;
  }
  return pos == text.size();
}

// The text as it is read for a number: half-width, without the blanks around it.
std::string FoldedText(std::string_view utf8) {
  return std::string(TrimBlanks(HalfWidthText(utf8)));
}

}  // namespace

std::string HalfWidthText(std::string_view utf8) {
  std::string text;
  text.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    if (const char half = HalfWidthOf(ThreeByteCodePoint(utf8, i))) {
      text += half;
      i += 3;
    } else {
      text += utf8[i++];
    }
  }
  return text;
}

std::optional<double> TypedNumber(std::string_view utf8) {
  const std::string text = FoldedText(utf8);
  if (!IsDecimalNumber(text)) return std::nullopt;
  return ParseDoubleInRange(text);  // a number beyond the range of a double is none
}

std::optional<int> TypedInteger(std::string_view utf8) {
  const std::optional<double> value = TypedNumber(utf8);
  if (!value) return std::nullopt;
  const double whole = std::trunc(*value);
  if (whole < INT_MIN || whole > INT_MAX) return std::nullopt;
  return static_cast<int>(whole);
}

bool HoldsTypedNumber(std::string_view utf8, TypedKind kind) {
  return kind == TypedKind::Integer ? TypedInteger(utf8).has_value()
                                    : TypedNumber(utf8).has_value();
}

std::string FormatTypedNumber(std::string_view utf8, const char* format) {
  const std::optional<double> value = TypedNumber(utf8);
  return value ? StrFormat(format, *value) : std::string(utf8);
}

std::string FormatTypedInteger(std::string_view utf8, const char* format) {
  const std::optional<int> value = TypedInteger(utf8);
  return value ? StrFormat(format, *value) : std::string(utf8);
}

double TypedNumberOr(std::string_view utf8, double kept) {
  return TypedNumber(utf8).value_or(kept);
}

int TypedIntegerOr(std::string_view utf8, int kept) { return TypedInteger(utf8).value_or(kept); }

bool BlankTypedText(std::string_view utf8) { return FoldedText(utf8).empty(); }

std::string TypedTextRefusal(std::string_view utf8) {
  // Only a refused text comes here: one written as a number lies beyond the range it may take.
  const char* message = IsDecimalNumber(FoldedText(utf8)) ? kOutOfRangeMessage : kNotANumberMessage;
  return StrFormat(message, std::string(utf8).c_str());
}

void RefuseTypedText(std::string_view utf8) {
  ShowMessage(TypedTextRefusal(utf8), "error", MsgButtons::Ok, MsgIcon::Error);
}

}  // namespace selvana
