// The one text-to-double conversion: the exact leading number, and 0.0 for everything that
// is not a plain decimal number.
#include "platform/number_parse.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace selvana {
namespace {

struct DoubleCase {
  const char* name;
  std::string text;
  double expected;
  bool overflows = false;  // beyond the range of a double: ParseDoubleInRange gives nothing
};

class ParseDoubleCases : public ::testing::TestWithParam<DoubleCase> {};

// Exact comparison: the parser reads the decimal prefix with a correctly rounded conversion,
// so it must give the same double as the literal.
TEST_P(ParseDoubleCases, ReadsTheLeadingDecimalNumber) {
  const DoubleCase& c = GetParam();
  const double v = ParseDouble(c.text);
  EXPECT_TRUE(std::isfinite(v));
  EXPECT_EQ(v, c.expected) << "text \"" << c.text << "\"";
  const std::optional<double> inRange = ParseDoubleInRange(c.text);
  EXPECT_EQ(inRange, c.overflows ? std::nullopt : std::optional<double>(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseDoubleCases,
    ::testing::Values(
        DoubleCase{"Empty", "", 0.0}, DoubleCase{"Garbage", "abc", 0.0},
        DoubleCase{"Blanks", "   ", 0.0}, DoubleCase{"Integer", "42", 42.0},
        DoubleCase{"Fraction", "12.3456", 12.3456},
        DoubleCase{"BlanksSignExponentAndTrailingText", "  -1.5e3xyz", -1500.0},
        DoubleCase{"TabsAndNewlineBlanks", "\t\n 7", 7.0},
        DoubleCase{"ExponentWithoutDigitsIsNotConsumed", "1e", 1.0},
        DoubleCase{"SignedExponentWithoutDigits", "2.5e+", 2.5},
        DoubleCase{"UpperCaseExponent", "3E-2", 0.03},
        DoubleCase{"PlusSignAndNoIntegerPart", "+.5", 0.5}, DoubleCase{"TrailingPoint", "5.", 5.0},
        DoubleCase{"LonePoint", ".", 0.0}, DoubleCase{"LoneSign", "-", 0.0},
        DoubleCase{"SignThenPoint", "-.", 0.0}, DoubleCase{"BlankAfterSign", "- 1", 0.0},
        DoubleCase{"Infinity", "inf", 0.0}, DoubleCase{"InfinityWord", "-Infinity", 0.0},
        DoubleCase{"NotANumber", "nan", 0.0}, DoubleCase{"HexStopsAtTheX", "0x10", 0.0},
        DoubleCase{"CommaIsNotADecimalPoint", "1,5", 1.0},
        DoubleCase{"TooSmallForADouble", "1e-400", 0.0},
        DoubleCase{"TooLargeForADouble", "1e400", std::numeric_limits<double>::max(), true},
        DoubleCase{"TooLargeNegative", "-1e400", -std::numeric_limits<double>::max(), true},
        DoubleCase{"ManyDigitsBeforeAPoint", std::string(400, '9') + ".5",
                   std::numeric_limits<double>::max(), true},
        DoubleCase{"LargestDoubleItself", "1.7976931348623157e308",
                   std::numeric_limits<double>::max()},
        DoubleCase{"ZeroWithHugeExponent", "0e99999", 0.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ParseDouble, ReadsOnlyItsView) {
  const std::string text = "12345";
  EXPECT_EQ(ParseDouble(std::string_view(text).substr(0, 2)), 12.0);
}

struct IntCase {
  const char* name;
  std::string text;
  int expected;
  bool overflows = false;  // beyond the i32 range: ParseIntInRange gives nothing
};

class ParseIntCases : public ::testing::TestWithParam<IntCase> {};

TEST_P(ParseIntCases, ReadsTheLeadingIntegerAndSaturates) {
  const IntCase& c = GetParam();
  EXPECT_EQ(ParseInt(c.text), c.expected) << "text \"" << c.text << "\"";
  EXPECT_EQ(ParseIntInRange(c.text), c.overflows ? std::nullopt : std::optional<int>(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseIntCases,
    ::testing::Values(IntCase{"Empty", "", 0}, IntCase{"Garbage", "x1", 0},
                      IntCase{"BlanksAndSign", "  -17 3", -17}, IntCase{"Plus", "+8", 8},
                      IntCase{"StopsAtThePoint", "12.9", 12}, IntCase{"Hex", "0x10", 0},
                      IntCase{"LargestInt", "2147483647", INT_MAX},
                      IntCase{"AboveTheRange", "2147483648", INT_MAX, true},
                      IntCase{"FarAboveTheRange", "99999999999999999999", INT_MAX, true},
                      IntCase{"SmallestInt", "-2147483648", INT_MIN},
                      IntCase{"BelowTheRange", "-99999999999", INT_MIN, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace selvana
