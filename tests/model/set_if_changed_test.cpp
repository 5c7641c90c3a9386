// The setters behind every edit: a change is stored and reported, a non-change (or a change
// below 1e-7) is neither, and model strings stay within 255 CP932 bytes.
#include "model/set_if_changed.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/project_model.h"
#include "platform/cp932.h"

namespace selvana {
namespace {

struct DoubleChange {
  const char* name;
  double stored;
  double typed;
  int expectedResult;
  double expectedStored;
};

class SetDoubleIfChangedCases : public ::testing::TestWithParam<DoubleChange> {};

// Exact comparison of the stored value: the helper either copies the typed double or keeps
// the old one, it never computes a new value.
TEST_P(SetDoubleIfChangedCases, StoresOnlyChangesOfAtLeast1e7) {
  const DoubleChange& c = GetParam();
  double field = c.stored;
  EXPECT_EQ(SetDoubleIfChanged(field, c.typed), c.expectedResult);
  EXPECT_EQ(field, c.expectedStored);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, SetDoubleIfChangedCases,
    ::testing::Values(DoubleChange{"Equal", 1.0, 1.0, 0, 1.0},
                      DoubleChange{"BelowTheThresholdIsDropped", 1.0, 1.00000005, 0, 1.0},
                      DoubleChange{"AboveTheThresholdIsStored", 1.0, 1.0000002, 1, 1.0000002},
                      // |0 - 1e-7| is exactly the threshold: the test is >=, so it is stored.
                      DoubleChange{"ExactlyTheThresholdIsStored", 0.0, 0.0000001, 1, 0.0000001},
                      DoubleChange{"DownwardChange", 5.0, -5.0, 1, -5.0},
                      DoubleChange{"TinyChangeOfANegativeValue", -3.0, -3.00000009, 0, -3.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SetDoubleIfChanged, NeverStoresANaN) {
  double field = 2.0;
  EXPECT_EQ(SetDoubleIfChanged(field, std::nan("")), 0);
  EXPECT_EQ(field, 2.0);
}

TEST(SetIntIfChanged, StoresAndReportsOnlyADifference) {
  int field = 3;
  EXPECT_EQ(SetIntIfChanged(field, 3), 0);
  EXPECT_EQ(SetIntIfChanged(field, -1), 1);
  EXPECT_EQ(field, -1);
}

TEST(SetStringIfChanged, StoresAndReportsOnlyADifference) {
  // Model strings are CP932 bytes.
  const std::string title = ToCp932("業務");
  std::string field = title;
  EXPECT_EQ(SetStringIfChanged(field, title), 0);
  EXPECT_EQ(SetStringIfChanged(field, title + "A"), 1);
  EXPECT_EQ(field, title + "A");
  EXPECT_EQ(SetStringIfChanged(field, ""), 1);
  EXPECT_EQ(field, "");
}

TEST(SetStringIfChanged, IgnoresWhatFollowsAZeroByte) {
  std::string field = "abc";
  EXPECT_EQ(SetStringIfChanged(field, std::string_view("abc\0xyz", 7)), 0);
  EXPECT_EQ(field, "abc");
  EXPECT_EQ(SetStringIfChanged(field, std::string_view("ab\0c", 4)), 1);
  EXPECT_EQ(field, "ab");
}

TEST(SetStringIfChanged, CutsALongStringOnACharacterBoundary) {
  std::string longText = "a";
  for (int i = 0; i < 150; ++i) longText += "\x8E\x52";  // 301 bytes of one ASCII and 山
  std::string field;
  EXPECT_EQ(SetStringIfChanged(field, longText), 1);
  EXPECT_EQ(field.size(), kMaxTextBytes);  // 1 + 127 characters end exactly at 255
  EXPECT_EQ(field, longText.substr(0, 255));

  std::string kanjiOnly;
  for (int i = 0; i < 150; ++i) kanjiOnly += "\x8E\x52";  // 300 bytes
  EXPECT_EQ(SetStringIfChanged(field, kanjiOnly), 1);
  EXPECT_EQ(field.size(), 254u);  // the 128th character would end at byte 256
  // Typing the same long text again is no change.
  EXPECT_EQ(SetStringIfChanged(field, kanjiOnly), 0);
}

// An edit box that only holds its text.
class FakeEdit : public EditText {
 public:
  explicit FakeEdit(std::string text) : text_(std::move(text)) {}
  std::string Text() const override { return text_; }
  void SetText(const std::string& text) override { text_ = text; }

 private:
  std::string text_;
};

struct EditCase {
  const char* name;
  const char* typed;
  int decimals;
  const char* shown;
};

class FormatEditNumberCases : public ::testing::TestWithParam<EditCase> {};

TEST_P(FormatEditNumberCases, RewritesATypedNumberWithTheDecimals) {
  FakeEdit edit(GetParam().typed);
  EXPECT_EQ(FormatEditNumber(edit, GetParam().decimals), 0);
  EXPECT_EQ(edit.Text(), GetParam().shown);
}

// A text that is no number stays as typed, so that OK refuses it rather than storing 0.
INSTANTIATE_TEST_SUITE_P(
    Texts, FormatEditNumberCases,
    ::testing::Values(EditCase{"GarbageStaysAsTyped", "abc", 3, "abc"},
                      EditCase{"EmptyStaysEmpty", "", 4, ""},
                      EditCase{"NoDecimals", "12.3456", 0, "12"},
                      EditCase{"NegativeDecimalsAsNone", "12.3456", -2, "12"},
                      EditCase{"OneDecimal", "12.3456", 1, "12.3"},
                      EditCase{"TwoDecimals", "12.3456", 2, "12.35"},
                      EditCase{"FourDecimals", "12.3456", 4, "12.3456"},
                      EditCase{"FiveOrMoreKeepFive", "12.3456", 7, "12.34560"},
                      EditCase{"BlanksAndExponent", "  -1.5e3 ", 2, "-1500.00"},
                      EditCase{"TrailingJunkStays", "1O.5", 2, "1O.5"},
                      EditCase{"FullWidthBecomesHalfWidth", "５．５", 4, "5.5000"},
                      EditCase{"FullWidthMinus", "－１８", 1, "-18.0"},
                      EditCase{"InfinityStays", "inf", 1, "inf"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace selvana
