// Locale-free number formatting. The program keeps LC_NUMERIC at "C", so printf-style formats
// always write a decimal point; every number the system shows or writes goes through here.
#pragma once
#include <string>

namespace selvana {

// printf-style formatting into a std::string ("%5.4f", "%d", "%1.3f", ...). A floating-point
// argument that is not finite is written as FiniteForText makes it; "%n" stores nothing.
std::string StrFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));

// v with the given count of decimals ("%.*f"); a negative count is taken as 0.
std::string FormatFixed(double v, int decimals);

// v cut to the given decimals, never rounded up, to be written with that many decimals: a safety
// factor shown with fewer decimals than it was judged at never reads above what was judged
// (0.998 at 2 decimals gives 0.99, -0.998 gives -1.00). A value that already has no more
// decimals than that (1.28 stored as 1.2799999...) comes back unchanged, so it writes as before.
double CutToDecimals(double v, int decimals);

// v as a written number may show it: NaN gives 0.0 and an infinity the largest finite double of
// its sign (as the parser reads a number too large for a double), so that no file or window
// ever reads "inf" or "nan".
double FiniteForText(double v);

}  // namespace selvana
