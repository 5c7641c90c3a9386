// Locale-free formatting: the printf formats of the system, long results and fixed decimals.
#include "platform/number_format.h"

#include <gtest/gtest.h>

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

TEST(FormatFixed, UsesTheDecimalsAndTakesNegativeAsZero) {
  EXPECT_EQ(FormatFixed(12.3456, 2), "12.35");
  EXPECT_EQ(FormatFixed(12.3456, 0), "12");
  EXPECT_EQ(FormatFixed(12.3456, -3), "12");
  EXPECT_EQ(FormatFixed(2.5, 7), "2.5000000");
}

}  // namespace
}  // namespace selvana
