// The one "text to double" conversion: the leading decimal number of a text, read like the C
// library's conversion but without locale, infinities, NaN or hexadecimal, and never failing.
#include "platform/number_parse.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <limits>
#include <string>

namespace selvana {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipBlanks(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  return i;
}

std::size_t SkipDigits(std::string_view text, std::size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

// The parts of a decimal number found at the start of a text (after the blanks).
struct DecimalPrefix {
  bool negative = false;
  std::string_view integerDigits;
  std::string_view fractionDigits;
  std::string_view exponent;  // "e-12" and the like, or empty
  bool found = false;         // at least one mantissa digit
};

DecimalPrefix ScanDecimal(std::string_view text) {
  DecimalPrefix p;
  std::size_t i = SkipBlanks(text);
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) p.negative = text[i++] == '-';
  const std::size_t intStart = i;
  i = SkipDigits(text, i);
  p.integerDigits = text.substr(intStart, i - intStart);
  if (i < text.size() && text[i] == '.') {
    const std::size_t fracStart = i + 1;
    const std::size_t fracEnd = SkipDigits(text, fracStart);
    p.fractionDigits = text.substr(fracStart, fracEnd - fracStart);
    i = fracEnd;
  }
  p.found = !p.integerDigits.empty() || !p.fractionDigits.empty();
  if (!p.found) return p;
  // An exponent counts only with at least one digit: "1e" and "1e+" read as 1.
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    const std::size_t expEnd = SkipDigits(text, j);
    if (expEnd > j) p.exponent = text.substr(i, expEnd - i);
  }
  return p;
}

// Decimal order of magnitude of the number, for deciding whether a value out of the double
// range is huge or tiny.
long Magnitude(const DecimalPrefix& p) {
  long exp = 0;
  std::size_t k = 1;
  bool negExp = false;
  if (k < p.exponent.size() && (p.exponent[k] == '+' || p.exponent[k] == '-'))
    negExp = p.exponent[k++] == '-';
  for (; k < p.exponent.size(); ++k) exp = std::min(exp * 10 + (p.exponent[k] - '0'), 1000000L);
  if (negExp) exp = -exp;
  const std::size_t firstNonZero = p.integerDigits.find_first_not_of('0');
  if (firstNonZero != std::string_view::npos) {
    return static_cast<long>(p.integerDigits.size() - firstNonZero) - 1 + exp;
  }
  const std::size_t fracNonZero = p.fractionDigits.find_first_not_of('0');
  if (fracNonZero == std::string_view::npos) return LONG_MIN / 2;  // the value is zero
  return -static_cast<long>(fracNonZero) - 1 + exp;
}

// The value of the leading number; beyond the range of a double, the largest finite value of
// its sign (an infinity could never be edited away again) with overflowed set, or zero for a
// value too small to hold.
double Convert(std::string_view text, bool& overflowed) {
  overflowed = false;
  const DecimalPrefix p = ScanDecimal(text);
  if (!p.found) return 0.0;
  std::string number;
  number.reserve(p.integerDigits.size() + p.fractionDigits.size() + p.exponent.size() + 4);
  if (p.negative) number += '-';
  number += p.integerDigits.empty() ? std::string_view("0") : p.integerDigits;
  if (!p.fractionDigits.empty()) {
    number += '.';
    number += p.fractionDigits;
  }
  number += p.exponent;
  double value = 0.0;
  const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
  (void)end;
  if (ec == std::errc::result_out_of_range) {
    overflowed = Magnitude(p) > 0;
    const double limit = overflowed ? std::numeric_limits<double>::max() : 0.0;
    value = p.negative ? -limit : limit;
  } else if (ec != std::errc()) {
    value = 0.0;
  }
  return value;
}

// The leading integer; beyond the i32 range, the limit of its sign with overflowed set.
int ConvertInt(std::string_view text, bool& overflowed) {
  overflowed = false;
  std::size_t i = SkipBlanks(text);
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
  long long value = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > limit) overflowed = true;
    value = std::min(value, limit);
  }
  return static_cast<int>(negative ? -value : value);
}

// What convert reads from text, or nothing when the number lies beyond the range of T.
template <typename T>
std::optional<T> UnlessOverflowed(T (*convert)(std::string_view, bool&), std::string_view text) {
  bool overflowed = false;
  const T value = convert(text, overflowed);
  if (overflowed) return std::nullopt;
  return value;
}

}  // namespace

double ParseDouble(std::string_view text) {
  bool overflowed = false;
  return Convert(text, overflowed);
}

std::optional<double> ParseDoubleInRange(std::string_view text) {
  return UnlessOverflowed(Convert, text);
}

int ParseInt(std::string_view text) {
  bool overflowed = false;
  return ConvertInt(text, overflowed);
}

std::optional<int> ParseIntInRange(std::string_view text) {
  return UnlessOverflowed(ConvertInt, text);
}

}  // namespace selvana
