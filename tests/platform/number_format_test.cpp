// Locale-free formatting: the printf formats of the system, long results, fixed decimals, and
// values that are not finite, which no text may show as "inf" or "nan".
#include "platform/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>

namespace selvana {
namespace {

TEST(StrFormat, WritesThePrintfFormatsOfTheSystem) {
  EXPECT_EQ(StrFormat("%5.4f", 1.5), "1.5000");
  EXPECT_EQ(StrFormat("%1.3f", -0.0005), "-0.001");
  EXPECT_EQ(StrFormat("%d %d %d %d", 640, 480, -4, 0), "640 480 -4 0");
  EXPECT_EQ(StrFormat("SB_CH1%1d.PFM", 3), "SB_CH13.PFM");
}

TEST(StrFormat, ReturnsResultsLongerThanAnyInternalBuffer) {
  const std::string long_text(5000, 'z');
  EXPECT_EQ(StrFormat("<%s>", long_text.c_str()), "<" + long_text + ">");
}

template <typename... Args>
std::string Printf(const char* format, Args... args) {
  char text[1024];
  const int n = std::snprintf(text, sizeof text, format, args...);
  return std::string(text, static_cast<std::size_t>(n));
}

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kMax = std::numeric_limits<double>::max();

// As one printf call would write it, with finite values (one call) and with an infinity after
// them (each conversion on its own).
#define EXPECT_LIKE_PRINTF(format, ...)                                   \
  EXPECT_EQ(StrFormat(format, __VA_ARGS__), Printf(format, __VA_ARGS__)); \
  EXPECT_EQ(StrFormat(format "%f", __VA_ARGS__, kInf), Printf(format "%f", __VA_ARGS__, kMax))

TEST(StrFormat, ReadsEveryKindOfArgumentAsPrintfDoes) {
  EXPECT_LIKE_PRINTF("%s|%c|%5d|%-4d|%+d|", "名前", 'x', 42, -7, 3);
  EXPECT_LIKE_PRINTF("%zu %ld %lld %X %04x %o %hd ", std::size_t{7}, -8L, -9LL, 255, 10, 8,
                     static_cast<short>(-2));
  EXPECT_LIKE_PRINTF("%*.*f|%.*f|%-*d|%e|%g|%Lf|%5.1f%%", 9, 2, 3.14159, 3, 2.5, 4, 1, 1e-5, 0.25,
                     1.5L, 99.95);
  EXPECT_LIKE_PRINTF("%jd %td %lu ", std::intmax_t{-1}, std::ptrdiff_t{5}, 6UL);
}

TEST(StrFormat, NeverWritesInfOrNan) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    double value;
    double shownAs;
  } kCases[] = {{kInf, kMax}, {-kInf, -kMax}, {nan, 0.0}, {-nan, 0.0}, {1.5, 1.5}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(StrFormat("x=%10.3f;", c.value), Printf("x=%10.3f;", c.shownAs));
    EXPECT_EQ(StrFormat("%e %G %.*f", c.value, c.value, 2, c.value),
              Printf("%e %G %.*f", c.shownAs, c.shownAs, 2, c.shownAs));
    EXPECT_EQ(FormatFixed(c.value, 3), Printf("%.3f", c.shownAs));
  }
  const long double longInf = std::numeric_limits<long double>::infinity();
  EXPECT_EQ(StrFormat("%.0Le %.0Le %.0Le", longInf, -longInf, static_cast<long double>(nan)),
            "1e+4932 -1e+4932 0e+00");
}

TEST(FormatFixed, UsesTheDecimalsAndTakesNegativeAsZero) {
  EXPECT_EQ(FormatFixed(12.3456, 2), "12.35");
  EXPECT_EQ(FormatFixed(12.3456, 0), "12");
  EXPECT_EQ(FormatFixed(12.3456, -3), "12");
  EXPECT_EQ(FormatFixed(2.5, 7), "2.5000000");
}

TEST(CutToDecimals, CutsDownAndKeepsWhatHasNoMoreDecimals) {
  EXPECT_EQ(FormatFixed(CutToDecimals(0.998, 2), 2), "0.99");
  EXPECT_EQ(FormatFixed(CutToDecimals(-0.998, 2), 2), "-1.00");
  EXPECT_EQ(CutToDecimals(std::floor(1.28 * 100 + 0.001) / 100, 2), 1.28);
  EXPECT_EQ(CutToDecimals(1.2799999999999998, 2), 1.2799999999999998);
}

}  // namespace
}  // namespace selvana
