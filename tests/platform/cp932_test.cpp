// CP932 conversions: the characters a strict Shift-JIS table would refuse, the backslash,
// counted replacements, and cuts that never split a double-byte character.
#include "platform/cp932.h"

#include <gtest/gtest.h>

#include <string>

namespace selvana {
namespace {

TEST(Cp932Conversion, RoundTripsCharactersAStrictShiftJisTableRefuses) {
  const std::string utf8 = "～－①㎡Ｘ";
  const TextConversion cp932 = Utf8ToCp932(utf8);
  EXPECT_EQ(cp932.replaced, 0);
  ASSERT_EQ(cp932.text.size(), 10u);                               // five double-byte characters
  EXPECT_EQ(cp932.text.substr(0, 6), "\x81\x60\x81\x7C\x87\x40");  // ～ － ①
  const TextConversion back = Cp932ToUtf8(cp932.text);
  EXPECT_EQ(back.replaced, 0);
  EXPECT_EQ(back.text, utf8);
}

TEST(Cp932Conversion, KeepsTheByte5CAsABackslashBothWays) {
  EXPECT_EQ(ToCp932("C:\\data\\~"), "C:\\data\\~");
  EXPECT_EQ(ToUtf8("\x5C"), "\\");
  // 0x5C as the trail byte of 表 (0x95 0x5C) belongs to the character, not a backslash.
  EXPECT_EQ(ToUtf8("\x95\x5C"), "表");
  EXPECT_EQ(ToCp932("表"), "\x95\x5C");
}

TEST(Cp932Conversion, KeepsHalfWidthKatakanaSingleBytes) {
  EXPECT_EQ(ToCp932("ｶﾅ"), "\xB6\xC5");
  EXPECT_EQ(ToUtf8("\xB6\xC5"), "ｶﾅ");
}

TEST(Cp932Conversion, ReplacesAndCountsWhatCP932CannotHold) {
  const TextConversion r = Utf8ToCp932("a😀b€c");  // neither the emoji nor the euro sign exist
  EXPECT_EQ(r.text, "a?b?c");
  EXPECT_EQ(r.replaced, 2);
}

TEST(Cp932Conversion, ReplacesBrokenUtf8InsteadOfDroppingIt) {
  const TextConversion r = Utf8ToCp932(
      "a\xFF"
      "b\xE3\x81");  // a stray byte, a cut sequence
  EXPECT_EQ(r.text, "a?b?");
  EXPECT_EQ(r.replaced, 2);
}

TEST(Cp932Conversion, ReplacesBrokenCp932AndKeepsWhatFollows) {
  // 0xA0 is no character; a lead byte followed by "0" (no trail byte) is a broken pair whose
  // "0" survives; a lead byte at the very end is cut off.
  const TextConversion r = Cp932ToUtf8(
      "x\xA0y\x82"
      "0\x82");
  EXPECT_EQ(r.text,
            "x\xEF\xBF\xBDy\xEF\xBF\xBD"
            "0\xEF\xBF\xBD");
  EXPECT_EQ(r.replaced, 3);
}

TEST(Cp932Conversion, ReplacesAnUnassignedPairAsOneCharacter) {
  // 0x85 0x40 has the shape of a double-byte character but no character is assigned to it.
  const TextConversion r = Cp932ToUtf8(
      "a\x85\x40"
      "b");
  EXPECT_EQ(r.text,
            "a\xEF\xBF\xBD"
            "b");
  EXPECT_EQ(r.replaced, 1);
}

TEST(Cp932Conversion, ConvertsLongTextsWhole) {
  std::string utf8;
  for (int i = 0; i < 2000; ++i) utf8 += "斜面";
  const TextConversion cp932 = Utf8ToCp932(utf8);
  EXPECT_EQ(cp932.text.size(), 8000u);
  EXPECT_EQ(ToUtf8(cp932.text), utf8);
}

TEST(Cp932LeadByte, AcceptsExactlyTheTwoLeadRanges) {
  for (int c = 0; c < 256; ++c) {
    const bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
    EXPECT_EQ(IsCp932LeadByte(static_cast<unsigned char>(c)), lead) << "byte " << c;
  }
}

struct CutCase {
  const char* name;
  std::string text;
  std::size_t maxBytes;
  std::size_t expectedBytes;
};

class Cp932Cut : public ::testing::TestWithParam<CutCase> {};

TEST_P(Cp932Cut, NeverEndsInsideADoubleByteCharacter) {
  const CutCase& c = GetParam();
  const std::string cut = CutCp932(c.text, c.maxBytes);
  EXPECT_EQ(cut.size(), c.expectedBytes);
  EXPECT_EQ(cut, c.text.substr(0, c.expectedBytes));
}

std::string Repeat(const std::string& unit, int times) {
  std::string s;
  for (int i = 0; i < times; ++i) s += unit;
  return s;
}

const std::string kKanji = "\x8E\x52";  // 山

INSTANTIATE_TEST_SUITE_P(
    Cuts, Cp932Cut,
    ::testing::Values(
        // 150 double-byte characters: 255 would end inside the 128th, so 254 remain.
        CutCase{"DoubleByteOnly", Repeat(kKanji, 150), 255, 254},
        // One ASCII byte first: 1 + 127 characters end exactly on 255.
        CutCase{"ShiftedByOneAscii", "a" + Repeat(kKanji, 150), 255, 255},
        CutCase{"AsciiOnly", std::string(300, 'x'), 255, 255},
        // Half-width katakana (0xA1-0xDF) are single bytes between the two lead ranges.
        CutCase{"HalfWidthKana", std::string(300, '\xB6'), 255, 255},
        CutCase{"ShortTextUntouched", "ab" + kKanji, 255, 4},
        // A trail byte inside the lead range (0x81 0x81 = ＝) is not read as a new lead.
        CutCase{"TrailByteInLeadRange", Repeat("\x81\x81", 150), 255, 254},
        CutCase{"ZeroBytes", kKanji, 0, 0},
        // A lead byte without its second byte ends no text: before a line end it would take
        // the end's first byte.
        CutCase{"LoneLeadByteAtTheEnd", "ab\x8C", 255, 2},
        CutCase{"LoneLeadByteAfterAKanji", kKanji + "\xE0", 255, 2}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace selvana
