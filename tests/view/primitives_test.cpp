// The drawing primitives on the recording canvas: pens of each primitive, the anchor table and
// the one-cell-per-byte layout of text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/cp932.h"
#include "view/primitives.h"
#include "view_test_support.h"

namespace selvana::test {
namespace {

using Calls = std::vector<std::string>;

class PrimitivesTest : public ViewFixture {};

// Measures every character 4 px wide, so that centring in the cell shows.
class NarrowGlyphCanvas : public RecordingCanvas {
 public:
  NarrowGlyphCanvas() : RecordingCanvas(200, 100) {}
  int TextWidth(std::string_view) override { return 4; }
};

TEST_F(PrimitivesTest, RubberBandsAreYellowExclusiveOrOnePixel) {
  DrawXorRect(1, 2, 30, 40);
  DrawXorLine(5, 6, 7, 8);
  const Calls expected = {"rect 1 2 30 40 #FFFF00 w1 solid xor",
                          "line 5 6 7 8 #FFFF00 w1 solid xor"};
  EXPECT_EQ(canvas.Calls(), expected);
}

TEST_F(PrimitivesTest, CopyModeShapesTakeTheirColourWidthAndStyle) {
  DrawScreenLine(0, 0, 10, 10, 3, kRed, kPenDot);
  DrawScreenLine(0, 0, 10, 10, 1, kRed, 99);  // an unknown style draws solid
  DrawCircleMark(10, 11, 3, kAqua);
  DrawScreenArc(50, 50, 10, 60, 50, 40, 50, kLime);
  const Calls expected = {"line 0 0 10 10 #FF0000 w3 dot copy",
                          "line 0 0 10 10 #FF0000 w1 solid copy",
                          "ellipse 7 8 13 14 #00FFFF w1 solid copy",
                          "arc 40 40 60 60 60 50 40 50 #00FF00 w1 solid copy"};
  EXPECT_EQ(canvas.Calls(), expected);
}

TEST_F(PrimitivesTest, ShapesThroughANonFinitePointAreNotDrawn) {
  DrawScreenLine(kNoPixel, 0, 10, 10, 1, kWhite, kPenSolid);
  DrawCircleMark(10, kNoPixel, 2, kWhite);
  DrawXorRect(0, 0, kNoPixel - 2, 5);
  DrawFixedText("1", kNoPixel, 0, kWhite, 12.0, 1);
  EXPECT_TRUE(canvas.Calls().empty());
}

struct AnchorCase {
  int anchor;
  int left, top;  // box of "ab" at height 10 (10 x 10 px) placed at (100, 50)
};

const AnchorCase kAnchorCases[] = {
    {1, 95, 40},  {2, 95, 50}, {3, 100, 40}, {4, 90, 40},  {5, 95, 45},
    {6, 100, 45}, {7, 90, 45}, {0, 100, 50}, {8, 100, 50},
};

TEST_F(PrimitivesTest, AnchorPlacesTheTextBox) {
  for (const AnchorCase& c : kAnchorCases) {
    canvas.Clear();
    DrawFixedText("ab", 100, 50, kWhite, 10.0, c.anchor);
    ASSERT_EQ(canvas.Calls().size(), 2u) << "anchor " << c.anchor;
    EXPECT_EQ(canvas.Calls()[0],
              "text " + std::to_string(c.left) + " " + std::to_string(c.top) + " \"a\" 10 #FFFFFF")
        << "anchor " << c.anchor;
  }
}

TEST_F(PrimitivesTest, EachDigitIsCentredInItsHalfCell) {
  NarrowGlyphCanvas narrow;
  ViewPorts.Image = &narrow;
  // "12" at height 12, bottom centre at (100, 50): box from x 94, top at y 38; cells 94..100
  // and 100..106, each glyph 4 px wide centred in its 6 px cell.
  DrawFixedText("12", 100, 50, kFuchsia, 12.0, 1);
  const Calls expected = {"text 95 38 \"1\" 12 #FF00FF", "text 101 38 \"2\" 12 #FF00FF"};
  EXPECT_EQ(narrow.Calls(), expected);
}

TEST_F(PrimitivesTest, DoubleByteCharactersTakeAWholeCellAndSingleBytesHalf) {
  // Full-width c, two blanks and "=": 5 bytes, 30 px at height 12.
  DrawFixedText(ToCp932("ｃ  ="), 0, 20, kLime, 12.0, 3);
  const Calls expected = {"text 0 8 \"\\x82\\x83\" 12 #00FF00", "text 12 8 \" \" 12 #00FF00",
                          "text 18 8 \" \" 12 #00FF00", "text 24 8 \"=\" 12 #00FF00"};
  EXPECT_EQ(canvas.Calls(), expected);
}

TEST_F(PrimitivesTest, OneDoubleByteCharacterIsCentredLikeATwoDigitNumber) {
  DrawFixedText(ToCp932("土"), 100, 50, kWhite, 12.0, 5);
  DrawFixedText("10", 100, 50, kWhite, 12.0, 5);
  ASSERT_EQ(canvas.Calls().size(), 3u);
  EXPECT_EQ(canvas.Calls()[0].substr(0, 12), "text 94 44 \"");
  EXPECT_EQ(canvas.Calls()[1], "text 94 44 \"1\" 12 #FFFFFF");
}

TEST_F(PrimitivesTest, HalfWidthKatakanaAndATrailingLeadByteTakeHalfACell) {
  DrawFixedText(std::string("\xB1"
                            "A\x82",
                            3),
                0, 10, kWhite, 10.0, 3);
  const Calls expected = {"text 0 0 \"\\xB1\" 10 #FFFFFF", "text 5 0 \"A\" 10 #FFFFFF",
                          "text 10 0 \"\\x82\" 10 #FFFFFF"};
  EXPECT_EQ(canvas.Calls(), expected);
}

TEST_F(PrimitivesTest, TextBelowOnePixelOrEmptyDrawsNothing) {
  DrawFixedText("12", 10, 10, kWhite, 0.9, 1);
  DrawFixedText("", 10, 10, kWhite, 12.0, 1);
  EXPECT_TRUE(canvas.Calls().empty());
}

TEST_F(PrimitivesTest, FontHeightIsTheTruncatedTextHeight) {
  DrawFixedText("x", 0, 0, kWhite, 12.7, 0);
  ASSERT_EQ(canvas.Calls().size(), 1u);
  EXPECT_EQ(canvas.Calls()[0], "text 0 0 \"x\" 12 #FFFFFF");
}

TEST_F(PrimitivesTest, NothingIsDrawnWithoutACanvas) {
  ViewPorts.Image = nullptr;
  EXPECT_EQ(DrawXorRect(0, 0, 1, 1), 0);
  EXPECT_EQ(DrawFixedText("1", 0, 0, kWhite, 12.0, 1), 0);
}

}  // namespace
}  // namespace selvana::test
