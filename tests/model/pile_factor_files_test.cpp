// Tests of the sheet-pile earth-pressure file and the partial-factor file: what they fill,
// where they stop, and how missing or unwritable files are told.
#include "model/pile_factor_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/temp_folder.h"
#include "support/scripted_message_box.h"

namespace selvana {
namespace {

using test::TempFolder;
using test::ScriptedMessageBox;

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SheetPileSpecFileTest : public ::testing::Test {
 protected:
  SheetPileSpecFileTest() {
    pile.Mode = 2;
    pile.Dummy = 9;
    pile.PileX = 5.0;
    pile.AllowableShear = 140.0;
    pile.RowCount = 3;
    draw.PileLabelMode.fill(1);
    draw.PileLabelX.fill(7.0);
  }

  int Read(const std::string& text, const std::string& file = "p.DAT") {
    WriteFile(folder / file, text);
    return ReadSheetPileSpecFile(folder / "p", pile, draw);
  }

  TempFolder folder;
  SheetPileSettingsRecord pile;
  DrawSettingsRecord draw;
};

TEST_F(SheetPileSpecFileTest, FourValueLinesAndNoRows) {
  ASSERT_EQ(Read("12.5\r\n-8.25\r\n153.0\r\n0.75\r\n"), 0);
  EXPECT_EQ(pile.TopElevation, 12.5);
  EXPECT_EQ(pile.EmbedmentElevation, -8.25);
  EXPECT_EQ(pile.SectionArea, 153.0);
  EXPECT_EQ(pile.Lm1, 0.75);
  EXPECT_EQ(pile.RowCount, 0);
  EXPECT_EQ(pile.PileX, 0.0);
  EXPECT_EQ(pile.AllowableShear, 0.0);
  // The file carries no mode.
  EXPECT_EQ(pile.Mode, 2);
  EXPECT_EQ(pile.Dummy, 9);
}

TEST_F(SheetPileSpecFileTest, RowsStartWithDigitMinusOrPoint) {
  ASSERT_EQ(Read("1\n2\n3\n4\n10.0,0.0\n-2.5,35.0\n.5,1.0\n 3.0,3.0\n7.0,7.0\n"), 0);
  ASSERT_EQ(pile.RowCount, 3);
  EXPECT_EQ(pile.Elevation[0], 10.0);
  EXPECT_EQ(pile.Intensity[0], 0.0);
  EXPECT_EQ(pile.Elevation[1], -2.5);
  EXPECT_EQ(pile.Intensity[1], 35.0);
  EXPECT_EQ(pile.Elevation[2], 0.5);
  EXPECT_EQ(pile.Intensity[2], 1.0);
}

TEST_F(SheetPileSpecFileTest, PlusSignOrEmptyLineEndsTheRows) {
  ASSERT_EQ(Read("1\n2\n3\n4\n1.0,2.0\n+3.0,4.0\n5.0,6.0\n"), 0);
  EXPECT_EQ(pile.RowCount, 1);
  ASSERT_EQ(Read("1\n2\n3\n4\n1.0,2.0\n\n5.0,6.0\n"), 0);
  EXPECT_EQ(pile.RowCount, 1);
}

TEST_F(SheetPileSpecFileTest, RowsReadResetTheirLabelPlacement) {
  ASSERT_EQ(Read("1\n2\n3\n4\n1.0,2.0\n0.0,3.0\n"), 0);
  EXPECT_EQ(draw.PileLabelMode[0], -1);
  EXPECT_EQ(draw.PileLabelX[1], 0.0);
  EXPECT_EQ(draw.PileLabelY[1], 0.0);
  EXPECT_EQ(draw.PileLabelMode[2], 1);  // beyond the rows read: untouched
  EXPECT_EQ(draw.PileLabelX[2], 7.0);
}

TEST_F(SheetPileSpecFileTest, LastRowWithoutLineEndIsKept) {
  ASSERT_EQ(Read("1\n2\n3\n4\n1.0,2.0\n-1.0,9.0"), 0);
  ASSERT_EQ(pile.RowCount, 2);
  EXPECT_EQ(pile.Intensity[1], 9.0);
}

// Lines are scanned with "%lf" and "%lf,%lf": what a line does not supply keeps its value.
TEST_F(SheetPileSpecFileTest, RowWithoutCommaKeepsTheRowsIntensity) {
  pile.Intensity[0] = 55.0;
  ASSERT_EQ(Read("1\n2\n3\n4\n6.0\n"), 0);
  ASSERT_EQ(pile.RowCount, 1);
  EXPECT_EQ(pile.Elevation[0], 6.0);
  EXPECT_EQ(pile.Intensity[0], 55.0);
}

TEST_F(SheetPileSpecFileTest, BlankBeforeTheCommaEndsTheRowsScan) {
  pile.Intensity[0] = 55.0;
  ASSERT_EQ(Read("1\n2\n3\n4\n2.0 ,3.0\n"), 0);
  ASSERT_EQ(pile.RowCount, 1);
  EXPECT_EQ(pile.Elevation[0], 2.0);
  EXPECT_EQ(pile.Intensity[0], 55.0);
}

TEST_F(SheetPileSpecFileTest, ValueLineThatIsNoNumberKeepsItsValue) {
  pile.EmbedmentElevation = -7.5;
  pile.Elevation[0] = 4.0;
  ASSERT_EQ(Read("1\nabc\n3\n4\n-,8.0\n"), 0);
  EXPECT_EQ(pile.TopElevation, 1.0);
  EXPECT_EQ(pile.EmbedmentElevation, -7.5);
  EXPECT_EQ(pile.SectionArea, 3.0);
  ASSERT_EQ(pile.RowCount, 1);  // "-" starts a row, but holds no number
  EXPECT_EQ(pile.Elevation[0], 4.0);
}

TEST_F(SheetPileSpecFileTest, RowsBeyondTheTableAreCutAndTold) {
  std::string text = "1\n2\n3\n4\n";
  for (int i = 0; i < 70; ++i) text += std::to_string(100 - i) + ",1.0\n";
  ScriptedMessageBox box;
  box.Expect("矢板諸元インポートファイル(" + (folder / "p") +
                 ".DAT) の土圧データが64行を超えています。65行目からは読み込みません。",
             "error");
  ASSERT_EQ(Read(text), 0);
  EXPECT_EQ(pile.RowCount, kMaxPileRows);
  EXPECT_EQ(pile.Elevation[63], 37.0);
}

TEST_F(SheetPileSpecFileTest, ShortFileKeepsWhatItHas) {
  ASSERT_EQ(Read("1.5\n2.5\n"), 0);
  EXPECT_EQ(pile.TopElevation, 1.5);
  EXPECT_EQ(pile.EmbedmentElevation, 2.5);
  EXPECT_EQ(pile.RowCount, 0);
}

TEST_F(SheetPileSpecFileTest, ExtensionIsFoundInAnyCase) {
  ASSERT_EQ(Read("3.0\n2\n3\n4\n", "p.dat"), 0);
  EXPECT_EQ(pile.TopElevation, 3.0);
}

TEST_F(SheetPileSpecFileTest, MissingFileIsToldAndChangesNothing) {
  ScriptedMessageBox box;
  box.Expect("矢板諸元インポートファイル(" + (folder / "EXP_ENK1") + ".DAT) が見つかりません。",
             "error");
  EXPECT_EQ(ReadSheetPileSpecFile(folder / "EXP_ENK1", pile, draw), 1);
  EXPECT_EQ(pile.PileX, 5.0);
  EXPECT_EQ(pile.RowCount, 3);
}

class PartialFactorFileTest : public ::testing::Test {
 protected:
  TempFolder folder;
  PartialFactorsRecord factors;
};

TEST_F(PartialFactorFileTest, WrittenFactorsReadBack) {
  factors.Factor.fill(1.0);
  factors.Factor[9] = 1.15;
  factors.Factor[31] = -0.5;
  ASSERT_EQ(WritePartialFactorFile(folder / "f", factors), 0);
  PartialFactorsRecord back;
  back.Enabled = 1;
  ASSERT_EQ(ReadPartialFactorFile(folder / "f", back), 0);
  EXPECT_EQ(back.Factor, factors.Factor);  // six decimals carry these values exactly
  EXPECT_EQ(back.Enabled, 1);
}

TEST_F(PartialFactorFileTest, FileHoldsOneSixDecimalLinePerFactor) {
  factors.Factor.fill(1.0);
  factors.Factor[1] = 0.1234567;
  ASSERT_EQ(WritePartialFactorFile(folder / "f", factors), 0);
  std::string expected = "1.000000\r\n0.123457\r\n";
  for (int i = 2; i < kPartialFactorCount; ++i) expected += "1.000000\r\n";
  EXPECT_EQ(ReadFile(folder / "f.PAK"), expected);
}

TEST_F(PartialFactorFileTest, WritingReplacesAFileOfAnyCase) {
  WriteFile(folder / "f.pak", "old\n");
  factors.Factor.fill(2.0);
  ASSERT_EQ(WritePartialFactorFile(folder / "f", factors), 0);
  EXPECT_EQ(ReadFile(folder / "f.pak").substr(0, 10), "2.000000\r\n");
  EXPECT_FALSE(std::filesystem::exists(folder / "f.PAK"));
}

TEST_F(PartialFactorFileTest, ShortFileFillsWhatItHas) {
  factors.Factor.fill(1.0);
  WriteFile(folder / "f.PAK", "1.5\n0.8\n1.2");
  ASSERT_EQ(ReadPartialFactorFile(folder / "f", factors), 0);
  EXPECT_EQ(factors.Factor[0], 1.5);
  EXPECT_EQ(factors.Factor[1], 0.8);
  EXPECT_EQ(factors.Factor[2], 1.2);
  EXPECT_EQ(factors.Factor[3], 1.0);
}

TEST_F(PartialFactorFileTest, LineThatIsNoNumberKeepsItsFactor) {
  factors.Factor.fill(1.1);
  WriteFile(folder / "f.PAK", "1.5\n\nx\n0.9\n");
  ASSERT_EQ(ReadPartialFactorFile(folder / "f", factors), 0);
  EXPECT_EQ(factors.Factor[0], 1.5);
  EXPECT_EQ(factors.Factor[1], 1.1);
  EXPECT_EQ(factors.Factor[2], 1.1);
  EXPECT_EQ(factors.Factor[3], 0.9);
}

TEST_F(PartialFactorFileTest, MissingFileIsToldAndChangesNothing) {
  factors.Factor.fill(1.3);
  ScriptedMessageBox box;
  box.Expect("部分安全係数ファイル(" + (folder / "g") + ".PAK) が見つかりません。", "error");
  EXPECT_EQ(ReadPartialFactorFile(folder / "g", factors), 1);
  EXPECT_EQ(factors.Factor[0], 1.3);
}

TEST_F(PartialFactorFileTest, UncreatableFileIsToldAsFailure) {
  ScriptedMessageBox box;
  box.Expect("部分安全係数ファイル(" + (folder / "no/f") + ".PAK) が作成できません。", "error");
  EXPECT_EQ(WritePartialFactorFile(folder / "no/f", factors), 1);
}

TEST_F(PartialFactorFileTest, FailedWriteIsToldAsFailure) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  std::filesystem::create_symlink("/dev/full", folder / "full.PAK");
  ScriptedMessageBox box;
  box.Expect("部分安全係数ファイル(" + (folder / "full") + ".PAK) が作成できません。", "error");
  EXPECT_EQ(WritePartialFactorFile(folder / "full", factors), 1);
}

}  // namespace
}  // namespace selvana
