// Tests of the sheet-pile earth-pressure file and the partial-factor file: what they fill,
// where they stop, and how missing or unwritable files are told.
#include "model/pile_factor_files.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "support/scripted_message_box.h"
#include "support/temp_folder.h"

namespace selvana {
namespace {

using test::ScriptedMessageBox;
using test::TempFolder;

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SheetPileSpecFileTest : public ::testing::Test {
 protected:
  SheetPileSpecFileTest() { Fill(); }
  // A pile and labels of another project, so that what a read leaves alone shows.
  void Fill() {
    pile = {};
    draw = {};
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
  // The file carries no pile X, allowable shear or mode: they stay.
  EXPECT_EQ(pile.PileX, 5.0);
  EXPECT_EQ(pile.AllowableShear, 140.0);
  EXPECT_EQ(pile.Mode, 2);
  EXPECT_EQ(pile.Dummy, 9);
}

// Rows start with a digit, '-' or '.', and are scanned with "%lf,%lf": what a line does not
// supply keeps its value.
TEST_F(SheetPileSpecFileTest, RowsAreScannedUntilALineThatIsNoRow) {
  struct Case {
    const char* name;
    std::string rows;                             // after the four value lines
    std::vector<std::pair<double, double>> read;  // elevation and intensity per row
  };
  const Case cases[] = {
      {"rows_start_with_digit_minus_or_point",
       "10.0,0.0\n-2.5,35.0\n.5,1.0\n 3.0,3.0\n7.0,7.0\n",
       {{10.0, 0.0}, {-2.5, 35.0}, {0.5, 1.0}}},
      {"plus_sign_ends_the_rows", "1.0,2.0\n+3.0,4.0\n5.0,6.0\n", {{1.0, 2.0}}},
      {"empty_line_ends_the_rows", "1.0,2.0\n\n5.0,6.0\n", {{1.0, 2.0}}},
      {"last_row_without_line_end_is_kept", "1.0,2.0\n-1.0,9.0", {{1.0, 2.0}, {-1.0, 9.0}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fill();
    pile.Intensity[0] = 55.0;
    ASSERT_EQ(Read("1\n2\n3\n4\n" + c.rows), 0);
    ASSERT_EQ(pile.RowCount, static_cast<int>(c.read.size()));
    for (std::size_t i = 0; i < c.read.size(); ++i) {
      EXPECT_EQ(pile.Elevation[i], c.read[i].first) << i;
      EXPECT_EQ(pile.Intensity[i], c.read[i].second) << i;
    }
  }
}

TEST_F(SheetPileSpecFileTest, RowsReadResetTheirLabelPlacement) {
  ASSERT_EQ(Read("1\n2\n3\n4\n1.0,2.0\n0.0,3.0\n"), 0);
  EXPECT_EQ(draw.PileLabelMode[0], -1);
  EXPECT_EQ(draw.PileLabelX[1], 0.0);
  EXPECT_EQ(draw.PileLabelY[1], 0.0);
  EXPECT_EQ(draw.PileLabelMode[2], 1);  // beyond the rows read: untouched
  EXPECT_EQ(draw.PileLabelX[2], 7.0);
}

// A value that does not scan is told with its line, and nothing of the file is taken: a new row
// would otherwise keep what an earlier pile left in it.
TEST_F(SheetPileSpecFileTest, ADamagedValueIsToldWithItsLineAndNothingIsTaken) {
  const std::string notANumber = "に数値として読めない値がありました。";
  const std::tuple<std::string, int, std::string> cases[] = {
      {"1\nabc\n3\n4\n", 2, notANumber},
      {"1\n2\n3\n1e999\n", 4, "に扱える範囲を超えた数値がありました。"},
      {"1\n2\n3\n4\n-,8.0\n", 5, notANumber},     // "-" starts a row, but holds no number
      {"1\n2\n3\n4\n6.0\n", 5, notANumber},       // no intensity
      {"1\n2\n3\n4\n2.0 ,3.0\n", 5, notANumber},  // a blank before the comma ends the scan
      {"1\n2\n3\n4\n1.0,2.0\n0.0,abc\n", 6, notANumber},
  };
  ScriptedMessageBox box;
  for (const auto& [text, line, what] : cases) {
    box.Expect("矢板諸元インポートファイル(" + (folder / "p") + ".DAT) の" + std::to_string(line) +
                   "行目" + what + "このファイルからは何も読み込みませんでした。",
               "error");
  }
  for (const auto& [text, line, what] : cases) {
    EXPECT_EQ(Read(text), 1) << line;
    EXPECT_EQ(pile.PileX, 5.0);
    EXPECT_EQ(pile.RowCount, 3);
    EXPECT_EQ(draw.PileLabelMode[0], 1);
  }
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

TEST_F(SheetPileSpecFileTest, FileWithoutItsFourValueLinesIsRefused) {
  ScriptedMessageBox box;
  for (int line : {3, 1}) {
    box.Expect("矢板諸元インポートファイル(" + (folder / "p") + ".DAT) の" + std::to_string(line) +
                   "行目がありません。このファイルからは何も読み込みませんでした。",
               "error");
  }
  for (const char* text : {"1.5\n2.5\n", ""}) {
    EXPECT_EQ(Read(text), 1);
    EXPECT_EQ(pile.TopElevation, 0.0);
    EXPECT_EQ(pile.RowCount, 3);
  }
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

// A short file fills what it has; a damaged line is told, and no factor of the file is taken.
TEST_F(PartialFactorFileTest, ReadFillsWhatTheFileHoldsOrTellsTheFirstDamagedLine) {
  struct Case {
    const char* name;
    double before;
    std::string text;
    std::array<double, 4> read;
    const char* told;  // after "の"
  };
  const Case cases[] = {
      {"short_file_fills_what_it_has", 1.0, "1.5\n0.8\n1.2", {1.5, 0.8, 1.2, 1.0}, nullptr},
      {"line_that_is_no_number",
       1.1,
       "1.5\n\nx\n0.9\n",
       {1.1, 1.1, 1.1, 1.1},
       "2行目に数値として読めない値がありました。"},
      {"number_beyond_a_double",
       1.1,
       "2\n-1e400\n2\n",
       {1.1, 1.1, 1.1, 1.1},
       "2行目に扱える範囲を超えた数値がありました。"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    factors.Factor.fill(c.before);
    WriteFile(folder / "f.PAK", c.text);
    ScriptedMessageBox box;
    if (c.told) {
      box.Expect("部分安全係数ファイル(" + (folder / "f") + ".PAK) の" + c.told +
                     "このファイルからは何も読み込みませんでした。",
                 "error");
    }
    ASSERT_EQ(ReadPartialFactorFile(folder / "f", factors), c.told ? 1 : 0);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(factors.Factor[i], c.read[i]) << i;
  }
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
