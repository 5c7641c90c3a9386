// Lines whose only conversions are %W.Pf, formatted without the C library's printf: the dump
// files and progress texts of the searches write several such lines per slip surface.
#pragma once
#include <initializer_list>
#include <span>
#include <string_view>

namespace selvana {

// Formats `format` into out as snprintf would with the values for its conversions: "%%" and
// "%W.Pf" (width W and precision P optional, P 6 when missing) with values taken in order;
// any other character is copied. std::to_chars rounds the exact binary value to P decimals,
// ties to even, as printf does, and keeps the sign of negative zero; a value that is not finite
// is written as FiniteForText makes it. A conversion without a value writes nothing; the line
// is cut at the end of out. Returns the text written.
std::string_view FormatFixedLine(std::span<char> out, const char* format,
                                 std::initializer_list<double> values);

}  // namespace selvana
