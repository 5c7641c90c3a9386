// Numbers as a user types them: full-width digits, signs, points and blanks read as half-width
// ones, anything that still is no number is refused, and a grid's first such cell is found.
#include "platform/typed_number.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>

#include "support/memory_grid.h"
#include "support/scripted_message_box.h"

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

// An integer edit or cell takes the number the text denotes, cut toward zero, within int.
TEST(TypedNumber, AnIntegerIsTheNumberTruncatedWithinTheRangeOfInt) {
  const struct {
    const char* typed;
    std::optional<int> expected;
  } kCases[] = {{"１２", 12},
                {"1e1", 10},
                {"2.5e1", 25},
                {"-1.5", -1},
                {"2147483647", INT_MAX},
                {"-2147483648.9", INT_MIN},
                {"2147483648", kRefused},
                {"-1e10", kRefused}};
  for (const auto& c : kCases) EXPECT_EQ(TypedInteger(c.typed), c.expected) << c.typed;
}

TEST(TypedNumber, StoresAndExitsReadFullWidthTextAsHalfWidth) {
  EXPECT_EQ(TypedNumberOr("－１．２５", 7.0), -1.25);
  EXPECT_EQ(TypedNumberOr("－１．２５abc", 7.0), 7.0) << "no number: the kept value";
  EXPECT_EQ(TypedIntegerOr("1e400", 7), 7);
  EXPECT_EQ(FormatTypedNumber("５．５", "%5.4f"), "5.5000");
  EXPECT_EQ(FormatTypedNumber("５ｘ", "%5.4f"), "５ｘ") << "no number: left as typed";
}

TEST(TypedNumber, ARefusalTellsANumberBeyondTheRangeFromNoNumber) {
  test::ScriptedMessageBox box;
  box.Expect("「1e400」は扱える範囲を超えた数値です。範囲内の数値を入力してください。", "error")
      .Expect("「－３Ｅ９」は扱える範囲を超えた数値です。範囲内の数値を入力してください。", "error")
      .Expect("「1e4OO」は数値ではありません。数値を入力してください。", "error");
  for (const char* typed : {"1e400", "－３Ｅ９", "1e4OO"}) RefuseTypedText(typed);
}

TEST(TypedNumber, TheFirstCellThatIsNoNumberIsFoundRowByRow) {
  test::MemoryGrid grid;
  grid.Row(1, {"１．５", ""}).Row(2, {"3", "x"}).Row(3, {"y", "4"});
  const std::optional<CellPlace> cell = FirstNonNumberCell(grid, 2, 3);
  ASSERT_TRUE(cell);
  EXPECT_EQ(cell->Col, 2);
  EXPECT_EQ(cell->Row, 2);
  EXPECT_FALSE(FirstNonNumberCell(grid, 2, 1)) << "empty cells and numbers pass";
  grid.Row(1, {"7", "3e9"});
  EXPECT_FALSE(FirstNonNumberCell(grid, 2, 1));
  EXPECT_EQ(FirstNonNumberCell(grid, 2, 1, TypedKind::Integer)->Col, 2) << "beyond int";
}

}  // namespace
}  // namespace selvana
