// The one "text to double" conversion of the program. It reads the leading number of a text
// the way the C library did on the original platform (blanks, sign, digits, point, exponent)
// and gives 0.0 for an empty or non-numeric text. "inf", "nan" and hexadecimal numbers also
// give 0.0: a NaN stored in the model could never be changed again.
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
