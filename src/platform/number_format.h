// Locale-free number formatting. The program keeps LC_NUMERIC at "C", so printf-style formats
// always write a decimal point; every number the system shows or writes goes through here.
#pragma once
#include <string>

namespace selvana {

// printf-style formatting into a std::string ("%5.4f", "%d", "%1.3f", ...).
std::string StrFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));

// v with the given count of decimals ("%.*f"); a negative count is taken as 0.
std::string FormatFixed(double v, int decimals);

}  // namespace selvana
