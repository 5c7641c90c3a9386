// The %W.Pf line formatter of the dump files and progress texts.
#include "calc/results/fixed_line.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace selvana {
namespace {

// Appends to out[n..] what fits; returns the new length.
std::size_t Append(std::span<char> out, std::size_t n, std::string_view text) {
  const std::size_t room = out.size() - n;
  const std::size_t k = std::min(room, text.size());
  std::memcpy(out.data() + n, text.data(), k);
  return n + k;
}

// The digits of one conversion; nan and inf as printf writes them (to_chars gives the same
// words, with "-" for a set sign bit).
std::string_view FixedDigits(std::span<char> room, double value, int precision) {
  const std::to_chars_result r = std::to_chars(room.data(), room.data() + room.size(), value,
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
    for (int pad = width - static_cast<int>(text.size()); pad > 0; --pad) n = Append(out, n, " ");
    n = Append(out, n, text);
  }
  return {out.data(), n};
}

}  // namespace selvana
