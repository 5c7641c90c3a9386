// Reading typed numbers: width folding, the strict whole-text check and the refusal message.
#include "platform/typed_number.h"

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
  const std::string half = HalfWidthText(utf8);
  const std::string_view text = TrimBlanks(half);
  if (!IsDecimalNumber(text)) return std::nullopt;
  return ParseDoubleInRange(text);  // a number beyond the range of a double is none
}

std::string FormatTypedNumber(std::string_view utf8, const char* format) {
  const std::optional<double> value = TypedNumber(utf8);
  return value ? StrFormat(format, *value) : std::string(utf8);
}

double TypedValue(std::string_view utf8) { return ParseDouble(HalfWidthText(utf8)); }

int TypedInteger(std::string_view utf8) { return ParseInt(HalfWidthText(utf8)); }

void RefuseNonNumber(std::string_view utf8) {
  ShowMessage(StrFormat(kNotANumberMessage, std::string(utf8).c_str()), "error", MsgButtons::Ok,
              MsgIcon::Error);
}

}  // namespace selvana
