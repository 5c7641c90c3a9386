// The %W.Pf formatter against the C library's snprintf, which wrote these lines before: every
// format of the dump and progress lines with values that round, tie, carry, lose their sign or
// are not numbers at all (those are written as the finite values the other formatter writes).
#include "calc/results/fixed_line.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

#include "platform/number_format.h"

namespace selvana::test {
namespace {

std::string Printf(const char* format, double v) {
  char text[512];
  const int n = std::snprintf(text, sizeof text, format, v);
  return std::string(text, static_cast<std::size_t>(n));
}

std::string Fixed(const char* format, double v) {
  char text[512];
  return std::string(FormatFixedLine(text, format, {v}));
}

constexpr const char* kFormats[] = {"%7.3f", "%10.3f", "%5.3f", "%8.3f", "%f", "%.0f", "x=%3.1f;"};

TEST(FixedLine, WritesWhatPrintfWrites) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double values[] = {
      0.0,       -0.0,      0.0625, 0.1875, -0.0625,  1.0625,         2.5,
      0.5,       1.5,       -2.5,   0.0005, 0.00049,  -0.0004,        999.9995,
      9.9995,    1e300,     -1e300, 1e-300, 4.9e-324, 123456789.0625, 999999.9,
      -999999.9, 1.2345e15, inf,    -inf,   nan,      -nan,           0.13700000000000001,
      1.0 / 3.0};
  for (const char* format : kFormats) {
    for (const double v : values) {
      EXPECT_EQ(Printf(format, FiniteForText(v)), Fixed(format, v)) << format << " of " << v;
    }
  }
}

TEST(FixedLine, AgreesWithPrintfOnManyRandomValues) {
  std::mt19937_64 random(21);
  std::uniform_real_distribution<double> exponent(-8.0, 8.0);
  int differences = 0;
  for (int i = 0; i < 200000; ++i) {
    const double v = std::ldexp(static_cast<double>(random() >> 11), -53) *
                     std::pow(10.0, exponent(random)) * (i % 2 ? -1.0 : 1.0);
    if (Printf("%10.3f", v) != Fixed("%10.3f", v)) ++differences;
  }
  EXPECT_EQ(differences, 0);
}

// Every precision the integer path takes and the one beyond it, with binary ties (k / 2^j),
// values whose scaled form nears 2^64 and random magnitudes from 1e-12 to 1e12.
TEST(FixedLine, AgreesWithPrintfAtEveryShortPrecision) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> exponent(-12.0, 12.0);
  int differences = 0;
  for (int precision = 0; precision <= 10; ++precision) {
    const std::string format = "%." + std::to_string(precision) + "f";
    const auto check = [&](double v) {
      if (Printf(format.c_str(), v) != Fixed(format.c_str(), v)) ++differences;
    };
    for (int k = -300; k <= 300; ++k) {
      for (const int j : {1, 2, 5, 10, 11, 30, 40}) check(std::ldexp(k, -j));
    }
    for (const double v : {1.8446744073709551e19, 1.8446744073709552e19, 9.2e18, 1.8e10, 1.8e11,
                           1.8e12, 3.6893488147419103e19}) {
      check(v / std::pow(10.0, precision));
      check(-v);
    }
    for (int i = 0; i < 20000; ++i) {
      check(std::ldexp(static_cast<double>(random() >> 11), -53) *
            std::pow(10.0, exponent(random)) * (i % 2 ? -1.0 : 1.0));
    }
  }
  EXPECT_EQ(differences, 0);
}

TEST(FixedLine, WholeLinesWithTextPercentAndManyValues) {
  char text[64];
  EXPECT_EQ(
      "cx,cy=  1.500, -2.000 100% f=1.234",
      std::string(FormatFixedLine(text, "cx,cy=%7.3f,%7.3f 100%% f=%5.3f", {1.5, -2.0, 1.234})));
  char tiny[8];  // cut at the end of the buffer
  EXPECT_EQ("ab 1.500", std::string(FormatFixedLine(tiny, "ab%6.3f and more", {1.5})));
  char four[4];  // cut inside the padding
  EXPECT_EQ("ab  ", std::string(FormatFixedLine(four, "ab%8.3f", {1.5})));
}

}  // namespace
}  // namespace selvana::test
