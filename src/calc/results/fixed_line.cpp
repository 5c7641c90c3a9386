// The %W.Pf line formatter of the dump files and progress texts.
#include "calc/results/fixed_line.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "platform/number_format.h"

namespace selvana {
namespace {

// Appends to out[n..] what fits; returns the new length.
std::size_t Append(std::span<char> out, std::size_t n, std::string_view text) {
  const std::size_t room = out.size() - n;
  const std::size_t k = std::min(room, text.size());
  std::memcpy(out.data() + n, text.data(), k);
  return n + k;
}

// Appends count spaces, as many as fit; returns the new length.
std::size_t AppendSpaces(std::span<char> out, std::size_t n, int count) {
  if (count <= 0) return n;
  const std::size_t k = std::min(out.size() - n, static_cast<std::size_t>(count));
  std::memset(out.data() + n, ' ', k);
  return n + k;
}

using Wide = unsigned __int128;

// Largest precision of the exact integer path: m x 10^P stays below 2^83 for m < 2^53.
constexpr int kShortPrecision = 9;
constexpr std::uint64_t kPowersOfTen[kShortPrecision + 1] = {
    1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};

// |value| x 10^precision rounded to an integer, ties to even, computed exactly from the bits
// of the double; false when the value is not finite or the result does not fit 64 bits.
bool ScaledMagnitude(double value, int precision, std::uint64_t& scaled) {
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
  const int biased = static_cast<int>((bits >> 52) & 0x7ff);
  if (biased == 0x7ff) return false;
  std::uint64_t m = bits & ((std::uint64_t{1} << 52) - 1);
  if (biased != 0) m |= std::uint64_t{1} << 52;
  const int e = (biased == 0 ? 1 : biased) - 1075;  // |value| = m x 2^e
  const Wide n = static_cast<Wide>(m) * kPowersOfTen[precision];
  Wide q = 0;
  if (e >= 0) {
    if (e > 40) return false;
    q = n << e;
  } else if (-e < 128) {
    const int s = -e;
    q = n >> s;
    const Wide rest = n & ((Wide{1} << s) - 1);
    const Wide half = Wide{1} << (s - 1);
    if (rest > half || (rest == half && (q & 1) != 0)) ++q;
  }  // else below 2^-127 x 2^83: rounds to zero
  if (q >> 64 != 0) return false;
  scaled = static_cast<std::uint64_t>(q);
  return true;
}

// Writes the scaled magnitude as digits with `precision` decimals, after a '-' for a set sign
// bit (printf writes "-0.000" for a small negative value); false when room is too small.
bool WriteScaled(std::span<char> room, bool negative, std::uint64_t scaled, int precision,
                 std::size_t& length) {
  char* p = room.data();
  char* const end = room.data() + room.size();
  if (negative) *p++ = '-';
  const std::uint64_t unit = kPowersOfTen[precision];
  const std::to_chars_result r = std::to_chars(p, end, scaled / unit);
  if (r.ec != std::errc{} || end - r.ptr < precision + 1) return false;
  p = r.ptr;
  if (precision > 0) {
    *p++ = '.';
    std::uint64_t decimals = scaled % unit;
    for (int i = precision - 1; i >= 0; --i, decimals /= 10)
      p[i] = static_cast<char>('0' + decimals % 10);
    p += precision;
  }
  length = static_cast<std::size_t>(p - room.data());
  return true;
}

// The digits of one conversion. Usual values take the exact integer path, the rest to_chars;
// a value that is not finite is written as FiniteForText makes it, never "inf" or "nan".
std::string_view FixedDigits(std::span<char> room, double value, int precision) {
  std::uint64_t scaled = 0;
  std::size_t length = 0;
  if (precision <= kShortPrecision && ScaledMagnitude(value, precision, scaled) &&
      WriteScaled(room, std::signbit(value), scaled, precision, length)) {
    return {room.data(), length};
  }
  const std::to_chars_result r =
      std::to_chars(room.data(), room.data() + room.size(), FiniteForText(value),
                    std::chars_format::fixed, precision);
  if (r.ec != std::errc{}) return {};
  return {room.data(), static_cast<std::size_t>(r.ptr - room.data())};
}

// Reads the digits at *p as a number (0 when there are none) and moves past them.
int ReadNumber(const char*& p) {
  int n = 0;
  while (*p >= '0' && *p <= '9') n = n * 10 + (*p++ - '0');
  return n;
}

}  // namespace

std::string_view FormatFixedLine(std::span<char> out, const char* format,
                                 std::initializer_list<double> values) {
  const double* value = values.begin();
  std::size_t n = 0;
  // The largest double has 309 integer digits; with the sign, point and decimals this holds
  // every precision the lines use.
  char digits[400];
  for (const char* p = format; *p != '\0';) {
    if (*p != '%') {
      const char* literal = p;
      while (*p != '\0' && *p != '%') ++p;
      n = Append(out, n, std::string_view(literal, static_cast<std::size_t>(p - literal)));
      continue;
    }
    ++p;
    if (*p == '%') {
      n = Append(out, n, "%");
      ++p;
      continue;
    }
    const int width = ReadNumber(p);
    int precision = 6;
    if (*p == '.') precision = ReadNumber(++p);
    if (*p == 'f') ++p;
    if (value == values.end()) continue;
    const std::string_view text = FixedDigits(digits, *value++, std::min(precision, 60));
    n = AppendSpaces(out, n, width - static_cast<int>(text.size()));
    n = Append(out, n, text);
  }
  return {out.data(), n};
}

}  // namespace selvana
