// printf-style formatting into std::string. The program keeps LC_NUMERIC at "C", so the
// decimal point is always a point. When a floating-point argument is not finite, every
// conversion is formatted by the C library on its own, so that the value can be made finite
// first: no text ever reads "inf" or "nan".
#include "platform/number_format.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string_view>
#include <type_traits>

namespace selvana {
namespace {

// Appends what vsnprintf writes for format and args.
void AppendV(std::string& out, const char* format, va_list args) {
  char small[128];
  va_list again;
  va_copy(again, args);
  const int needed = std::vsnprintf(small, sizeof small, format, args);
  if (needed >= 0 && static_cast<std::size_t>(needed) < sizeof small) {
    out.append(small, static_cast<std::size_t>(needed));
  } else if (needed > 0) {
    const std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(needed) + 1);
    std::vsnprintf(out.data() + at, static_cast<std::size_t>(needed) + 1, format, again);
    out.resize(at + static_cast<std::size_t>(needed));
  }
  va_end(again);
}

void Append(std::string& out, const char* format, ...) __attribute__((format(printf, 2, 3)));
void Append(std::string& out, const char* format, ...) {
  va_list args;
  va_start(args, format);
  AppendV(out, format, args);
  va_end(args);
}

// The argument a conversion consumes, by its length modifier and conversion letter.
enum class ArgType {
  kNone,
  kInt,
  kLong,
  kLongLong,
  kSize,
  kIntMax,
  kPtrDiff,
  kDouble,
  kLongDouble,
  kPointer
};

// One conversion of a format: its text from '%' to the letter, the '*' widths and precisions
// before it, and the argument it formats.
struct Conversion {
  std::string_view text;
  int stars = 0;
  ArgType type = ArgType::kNone;
  bool writesNothing = false;  // "%n" stores the count so far; it is never honoured here
};

ArgType TypeOf(std::string_view length, char letter) {
  switch (letter) {
    case 'f':
    case 'F':
    case 'e':
    case 'E':
    case 'g':
    case 'G':
    case 'a':
    case 'A': return length == "L" ? ArgType::kLongDouble : ArgType::kDouble;
    case 's':
    case 'p':
    case 'n': return ArgType::kPointer;
    case 'c': return ArgType::kInt;
    case 'd':
    case 'i':
    case 'o':
    case 'u':
    case 'x':
    case 'X':
      if (length == "l") return ArgType::kLong;
      if (length == "ll" || length == "q") return ArgType::kLongLong;
      if (length == "z") return ArgType::kSize;
      if (length == "j") return ArgType::kIntMax;
      if (length == "t") return ArgType::kPtrDiff;
      return ArgType::kInt;
    default: return ArgType::kNone;
  }
}

// Reads the conversion that starts at *p ('%') and moves p past it.
Conversion ReadConversion(const char*& p) {
  const char* start = p++;
  Conversion c;
  while (*p != '\0' && std::strchr("-+ #0'", *p) != nullptr) ++p;
  for (int part = 0; part < 2; ++part) {  // the width, then the precision after '.'
    if (part == 1) {
      if (*p != '.') break;
      ++p;
    }
    if (*p == '*') {
      ++c.stars;
      ++p;
    }
    while (*p >= '0' && *p <= '9') ++p;
  }
  const char* length = p;
  while (*p != '\0' && std::strchr("hlLqzjt", *p) != nullptr) ++p;
  const std::string_view lengthText(length, static_cast<std::size_t>(p - length));
  const char letter = *p;
  if (letter != '\0') ++p;
  c.text = std::string_view(start, static_cast<std::size_t>(p - start));
  c.type = TypeOf(lengthText, letter);
  c.writesNothing = letter == 'n';
  return c;
}

// A value a text can show: NaN reads as 0 and an infinity as the largest finite value of its
// sign, as the parser saturates a number too large for a double.
template <typename Float>
Float Finite(Float v) {
  if (std::isnan(v)) return 0;
  if (std::isinf(v))
    return v > 0 ? std::numeric_limits<Float>::max() : -std::numeric_limits<Float>::max();
  return v;
}

template <typename T>
void AppendConversion(std::string& out, const Conversion& c, const int* stars, T value) {
  const std::string own(c.text);
  const char* format = own.c_str();
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#pragma GCC diagnostic ignored "-Wformat-security"
  if (c.stars == 0) Append(out, format, value);
  if (c.stars == 1) Append(out, format, stars[0], value);
  if (c.stars == 2) Append(out, format, stars[0], stars[1], value);
#pragma GCC diagnostic pop
}

// Takes the arguments of one conversion from args and hands use the '*' widths and precisions
// and the value (nullptr for a conversion that takes none).
template <typename Use>
void TakeArguments(const Conversion& c, va_list& args, Use use) {
  int stars[2] = {0, 0};
  for (int i = 0; i < c.stars; ++i) stars[i] = va_arg(args, int);
  switch (c.type) {
    case ArgType::kNone: use(stars, nullptr); break;
    case ArgType::kInt: use(stars, va_arg(args, int)); break;
    case ArgType::kLong: use(stars, va_arg(args, long)); break;
    case ArgType::kLongLong: use(stars, va_arg(args, long long)); break;
    case ArgType::kSize: use(stars, va_arg(args, std::size_t)); break;
    case ArgType::kIntMax: use(stars, va_arg(args, std::intmax_t)); break;
    case ArgType::kPtrDiff: use(stars, va_arg(args, std::ptrdiff_t)); break;
    case ArgType::kDouble: use(stars, va_arg(args, double)); break;
    case ArgType::kLongDouble: use(stars, va_arg(args, long double)); break;
    case ArgType::kPointer: use(stars, va_arg(args, void*)); break;
  }
}

// True when every floating-point argument of the format is finite.
bool AllFinite(const char* format, va_list& args) {
  bool finite = true;
  for (const char* p = format; finite && (p = std::strchr(p, '%')) != nullptr;) {
    if (p[1] == '%') {
      p += 2;
      continue;
    }
    TakeArguments(ReadConversion(p), args, [&finite](const int*, auto value) {
      if constexpr (std::is_floating_point_v<decltype(value)>) finite = std::isfinite(value);
    });
  }
  return finite;
}

// Formats conversion by conversion, each floating-point value made finite.
void AppendEachConversion(std::string& out, const char* format, va_list& args) {
  for (const char* p = format; *p != '\0';) {
    if (*p != '%') {
      const char* literal = p;
      while (*p != '\0' && *p != '%') ++p;
      out.append(literal, static_cast<std::size_t>(p - literal));
    } else if (p[1] == '%') {
      out += '%';
      p += 2;
    } else {
      const Conversion c = ReadConversion(p);
      TakeArguments(c, args, [&out, &c](const int* stars, auto value) {
        using T = decltype(value);
        if constexpr (std::is_same_v<T, std::nullptr_t>) {
          out += c.text;
        } else if constexpr (std::is_floating_point_v<T>) {
          AppendConversion(out, c, stars, Finite(value));
        } else if (!c.writesNothing) {
          AppendConversion(out, c, stars, value);
        }
      });
    }
  }
}

}  // namespace

std::string StrFormat(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list scan;
  va_copy(scan, args);
  const bool finite = AllFinite(format, scan);
  va_end(scan);
  std::string result;
  if (finite) {
    AppendV(result, format, args);
  } else {
    AppendEachConversion(result, format, args);
  }
  va_end(args);
  return result;
}

std::string FormatFixed(double v, int decimals) {
  return StrFormat("%.*f", std::max(decimals, 0), v);
}

double CutToDecimals(double v, int decimals) {
  if (!std::isfinite(v)) return v;
  const double scaled = v * std::pow(10.0, std::max(decimals, 0));
  if (!std::isfinite(scaled)) return v;
  const double whole = std::round(scaled);
  // The product carries the rounding of v and of the multiplication, a few units of the last
  // place: a value within far more than that of a whole count of steps has those decimals.
  if (std::fabs(scaled - whole) <= 1e-12 * std::max(1.0, std::fabs(scaled))) return v;
  return std::floor(scaled) / std::pow(10.0, std::max(decimals, 0));
}

double FiniteForText(double v) { return Finite(v); }

}  // namespace selvana
