// Numbers as a user types them: full-width digits, signs, points and blanks read as half-width
// ones, anything that still is no number is refused, and a grid's first such cell is found.
#include "platform/typed_number.h"

#include <gtest/gtest.h>

#include <optional>

#include "support/memory_grid.h"

namespace selvana {
namespace {

struct TypedCase {
  const char* name;
  const char* typed;  // UTF-8, as an edit hands it over
  std::optional<double> expected;
};

class TypedNumberCases : public ::testing::TestWithParam<TypedCase> {};

// Exact comparison: after width folding the text is a short decimal read with correct rounding.
TEST_P(TypedNumberCases, ReadsTheWholeTextOrRefusesIt) {
  EXPECT_EQ(TypedNumber(GetParam().typed), GetParam().expected) << GetParam().typed;
}

constexpr std::nullopt_t kRefused = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Texts, TypedNumberCases,
    ::testing::Values(
        TypedCase{"HalfWidth", "18", 18.0}, TypedCase{"FullWidthDigits", "１８", 18.0},
        TypedCase{"FullWidthPoint", "５．５", 5.5},
        TypedCase{"FullWidthHyphenMinus", "－１０", -10.0}, TypedCase{"MinusSign", "−３", -3.0},
        TypedCase{"FullWidthPlus", "＋２", 2.0}, TypedCase{"MixedWidths", "1２.5", 12.5},
        TypedCase{"IdeographicSpacesAround", "　１２　", 12.0},
        TypedCase{"FullWidthExponent", "１Ｅ３", 1000.0},
        TypedCase{"LongVowelMarkIsNoMinus", "ー５", kRefused},
        TypedCase{"FullWidthCommaIsNoPoint", "１，５", kRefused},
        TypedCase{"LetterOAmongDigits", "1O.5", kRefused}, TypedCase{"Letters", "abc", kRefused},
        TypedCase{"Empty", "", kRefused}, TypedCase{"BlanksOnly", " 　", kRefused},
        TypedCase{"PointOnly", "．", kRefused}, TypedCase{"ExponentWithoutDigits", "1e", kRefused},
        TypedCase{"Infinity", "inf", kRefused}, TypedCase{"Hexadecimal", "0x10", kRefused},
        TypedCase{"BeyondADouble", "-1e400", kRefused},
        TypedCase{"CutUtf8Sequence", "\xEF\xBC", kRefused}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TypedNumber, StoresAndExitsReadFullWidthTextAsHalfWidth) {
  EXPECT_EQ(TypedValue("－１．２５abc"), -1.25);  // leading number, as every store reads
  EXPECT_EQ(TypedInteger("１２"), 12);
  EXPECT_EQ(FormatTypedNumber("５．５", "%5.4f"), "5.5000");
  EXPECT_EQ(FormatTypedNumber("５ｘ", "%5.4f"), "５ｘ") << "no number: left as typed";
}

TEST(TypedNumber, TheFirstCellThatIsNoNumberIsFoundRowByRow) {
  test::MemoryGrid grid;
  grid.Row(1, {"１．５", ""}).Row(2, {"3", "x"}).Row(3, {"y", "4"});
  const std::optional<CellPlace> cell = FirstNonNumberCell(grid, 2, 3);
  ASSERT_TRUE(cell);
  EXPECT_EQ(cell->Col, 2);
  EXPECT_EQ(cell->Row, 2);
  EXPECT_FALSE(FirstNonNumberCell(grid, 2, 1)) << "empty cells and numbers pass";
}

}  // namespace
}  // namespace selvana
