// The one "text to double" conversion of the program. It reads the leading number of a text as
// the C library's strtod does: leading blanks skipped, an optional sign, digits with an optional
// decimal point, an optional exponent ("e" or "E", an optional sign and at least one digit), and
// whatever follows ignored; like strtod it gives 0.0 for an empty or non-numeric text. Unlike
// strtod it reads no "inf", "nan" or hexadecimal numbers (they give 0.0 too: a NaN stored in the
// model could never be changed again), and its decimal point is "." whatever the locale.
#pragma once
#include <optional>
#include <string_view>

namespace selvana {

double ParseDouble(std::string_view text);

// The leading number of a text as ParseDouble reads it, or nothing when that number lies beyond
// the range of a double (where ParseDouble gives the largest double of its sign). The file
// readers tell such a value as damage instead of storing it.
std::optional<double> ParseDoubleInRange(std::string_view text);

// The leading integer of a text (blanks, sign, digits); 0 when there is none. Values beyond
// the i32 range saturate.
int ParseInt(std::string_view text);

// The leading integer as ParseInt reads it, or nothing when it lies beyond the i32 range. The
// file readers tell such a value as damage instead of storing the saturated one.
std::optional<int> ParseIntInRange(std::string_view text);

}  // namespace selvana
