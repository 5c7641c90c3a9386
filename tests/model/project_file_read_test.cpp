// The full project reader: round trip through the writer, the two independent sample files,
// missing files and wrong versions, and files that are truncated, too long or hand-edited.
#include <gtest/gtest.h>

#include <algorithm>

#include "model/project_file.h"
#include "model/project_file_test_util.h"
#include "model/project_model.h"
#include "platform/cp932.h"
#include "support/scripted_message_box.h"
#include "support/temp_folder.h"

namespace selvana::test {
namespace {

constexpr const char* kSamples = SELVANA_SAMPLES;

class ProjectFileRead : public ::testing::Test {
 protected:
  std::string Base(const std::string& name) const { return folder_ / name; }
  std::string Path(const std::string& name) const { return folder_ / (name + ".SDW"); }
  // The rich model written as "R", as lines.
  std::vector<std::string> RichLines() {
    BuildRichModel();
    EXPECT_EQ(kWriteOk, WriteProjectFile(Base("R")));
    auto lines = SplitCrLf(ReadBytes(Path("R")));
    ResetProjectData();
    return lines;
  }
  void Put(const std::string& name, const std::vector<std::string>& lines) {
    WriteBytes(Path(name), JoinCrLf(lines));
  }
  std::string Message(const std::string& name, const std::string& tail) const {
    return "斜面安定検討データファイル(" + Base(name) + ".SDW)" + tail;
  }
  // Expects one message about a project file, whatever it says.
  void ExpectAFileMessage() { box.ExpectPrefix("斜面安定検討データファイル(", "error"); }
  TempFolder folder_;
  ScriptedMessageBox box;  // a box the test did not ask for fails it
};

TEST_F(ProjectFileRead, RoundTripWritesTheSameBytesAgain) {
  BuildRichModel();
  ASSERT_EQ(kWriteOk, WriteProjectFile(Base("R")));
  const std::string first = ReadBytes(Path("R"));
  ResetProjectData();
  ASSERT_EQ(kReadOk, ReadProjectFile(Base("R")));
  ASSERT_EQ(kWriteOk, WriteProjectFile(Base("R")));
  EXPECT_EQ(first, ReadBytes(Path("R")));
}

TEST_F(ProjectFileRead, RoundTripRestoresFieldsAndFreeSlots) {
  Put("R", RichLines());
  DataModified = 1;
  CalcStatus = 1;
  ASSERT_EQ(kReadOk, ReadProjectFile(Base("R")));
  EXPECT_EQ(ToCp932("県道１２号　法面ﾁｪｯｸ"), cm.ProjectTitle);
  EXPECT_EQ(Base("R"), cm.ProjectFileName);
  EXPECT_EQ(3, cm.CohesionRefLine.Count);
  EXPECT_EQ(30.0, cm.CohesionRefLine.X[2]);
  EXPECT_EQ(2, SheetPileSettings.RowCount);
  EXPECT_EQ(45.0, SheetPileSettings.Intensity[1]);
  EXPECT_EQ(-1, DrawSettings.PileLabelMode[1]);
  EXPECT_EQ(107.0, BishopCircleSettings.PassPointX);
  EXPECT_EQ(1.31, PartialFactors.Factor[31]);
  EXPECT_EQ(5, PointCount);
  EXPECT_EQ(-1, PointTable[3].Id);
  EXPECT_EQ(4, LineCount);
  EXPECT_EQ(kLineFree, LineTable[1].Kind);
  EXPECT_EQ(kLineResidualWater, LineTable[3].Kind);
  EXPECT_EQ(3, BlockCount);
  EXPECT_EQ(-1, BlockTable[1].Number);
  EXPECT_EQ(3, BlockTable[2].FactorClass);
  EXPECT_EQ(-2.0, BlockTable[2].BBox[3]);
  EXPECT_EQ(0, DataModified);
  EXPECT_EQ(0, CalcStatus);
}

TEST_F(ProjectFileRead, EmptyListsEmptyTheTables) {
  ASSERT_EQ(kWriteOk, WriteProjectFile(Base("E")));
  BuildRichModel();
  ASSERT_EQ(kReadOk, ReadProjectFile(Base("E")));
  EXPECT_EQ(0, PointCount);
  EXPECT_EQ(0, LineCount);
  EXPECT_EQ(0, BlockCount);
  EXPECT_EQ(0, cm.CohesionRefLine.Count);
  EXPECT_EQ(0, SheetPileSettings.RowCount);
}

TEST_F(ProjectFileRead, HomogeneousSampleGivesItsSlope) {
  ASSERT_EQ(kReadOk, ReadProjectFile(std::string(kSamples) + "/HOMOGENEOUS"));
  EXPECT_EQ("Yamagami and Ueta 1988, modified Fellenius", cm.ProjectTitle);
  EXPECT_EQ(kMethodFellenius, cm.kt);
  EXPECT_EQ(4.0, FelleniusCircleSettings.CentreX[0]);
  EXPECT_EQ(19.0, FelleniusCircleSettings.CentreY[1]);
  EXPECT_EQ(0.25, FelleniusCircleSettings.Radius[2]);
  EXPECT_EQ(3, FelleniusCircleSettings.HighestGridOrder);
  EXPECT_EQ(6, PointCount);
  EXPECT_EQ(15.0, PointTable[3].X);
  EXPECT_EQ(10.0, PointTable[3].Y);
  EXPECT_EQ(6, LineCount);
  EXPECT_EQ(1, BlockCount);
  EXPECT_EQ(17.64, BlockTable[0].UnitWeight);
  EXPECT_EQ(9.8, BlockTable[0].Cohesion);
  EXPECT_EQ(10.0, BlockTable[0].FrictionAngle);
  EXPECT_EQ(0, DataModified);
}

TEST_F(ProjectFileRead, FixedCircleSampleGivesItsCircle) {
  ASSERT_EQ(kReadOk, ReadProjectFile(std::string(kSamples) + "/FIXEDCIRCLE"));
  EXPECT_EQ(kMethodBishop, cm.kt);
  EXPECT_EQ(120.0, BishopCircleSettings.CentreX[0]);
  EXPECT_EQ(90.0, BishopCircleSettings.CentreY[0]);
  EXPECT_EQ(80.0, BishopCircleSettings.Radius[0]);
  EXPECT_EQ(60.0, PointTable[4].X);
  EXPECT_EQ(600.0, BlockTable[0].Cohesion);
  EXPECT_EQ(120.0, BlockTable[0].UnitWeight);
  EXPECT_EQ(1, BlockTable[0].FactorClass);
}

TEST_F(ProjectFileRead, SamplesWrittenBackAreByteIdentical) {
  // The samples come from a separate tool that follows the layout: every comment byte, every
  // number format and the line order must agree with ours.
  for (const char* name : {"HOMOGENEOUS", "FIXEDCIRCLE"}) {
    const std::string sample = ReadBytes(std::string(kSamples) + "/" + name + ".SDW");
    ASSERT_EQ(kReadOk, ReadProjectFile(std::string(kSamples) + "/" + name));
    const std::string baseInFile = SplitCrLf(sample)[3];
    ASSERT_EQ(kWriteOk, WriteProjectFile(Base(baseInFile)));
    auto ours = SplitCrLf(ReadBytes(Path(baseInFile)));
    ours[3] = baseInFile;  // the writer puts the base name it was given, here with a folder
    EXPECT_EQ(sample, JoinCrLf(ours)) << name;
  }
}

TEST_F(ProjectFileRead, LowerCaseExtensionIsFound) {
  auto lines = RichLines();
  WriteBytes(folder_ / "lower.sdw", JoinCrLf(lines));
  EXPECT_EQ(kReadOk, ReadProjectFile(Base("lower")));
  EXPECT_EQ(5, PointCount);
}

TEST_F(ProjectFileRead, MissingFileIsReportedAndChangesNothing) {
  cm.ProjectTitle = "kept";
  box.Expect(Message("none", " が見つかりません。"), "error");
  EXPECT_EQ(kReadCannotOpen, ReadProjectFile(Base("none")));
  EXPECT_EQ("kept", cm.ProjectTitle);
  EXPECT_EQ("", cm.ProjectFileName);
  EXPECT_EQ(-1, DataModified);
}

TEST_F(ProjectFileRead, VersionsOutside2000To2240AreRefused) {
  for (const char* version : {"1999", "2241", "", "x2240"}) {
    auto lines = RichLines();
    lines[0] = std::string(version) + "   $   ";
    Put("V", lines);
    cm.ProjectTitle = "kept";
    box.Expect("(Error)データのバージョンが正しくありません", "error");
    EXPECT_EQ(kReadBadVersion, ReadProjectFile(Base("V"))) << version;
    EXPECT_EQ("kept", cm.ProjectTitle);
    EXPECT_EQ("", cm.ProjectFileName);
    EXPECT_EQ(0, PointCount);
  }
}

TEST_F(ProjectFileRead, LfOnlyFileReadsLikeCrLf) {
  std::string bytes;
  for (const auto& line : RichLines()) bytes += line + "\n";
  WriteBytes(Path("LF"), bytes);
  ASSERT_EQ(kReadOk, ReadProjectFile(Base("LF")));
  EXPECT_EQ(3, BlockCount);
  EXPECT_EQ(2, BlockTable[2].Number);
  EXPECT_EQ(-1, DrawSettings.DrawZeroCPhi);
}

TEST_F(ProjectFileRead, LongTitleIsCutAndLaterFieldsStayAligned) {
  auto lines = RichLines();
  lines[9] = std::string(599, 'a') + "\x8C\x9F";
  Put("T", lines);
  ASSERT_EQ(kReadOk, ReadProjectFile(Base("T")));
  EXPECT_EQ(std::string(255, 'a'), cm.ProjectTitle);
  EXPECT_EQ(kMethodBishop, cm.kt);
  EXPECT_EQ(3, BlockCount);
}

TEST_F(ProjectFileRead, TitleCutNeverSplitsACharacter) {
  auto lines = RichLines();
  lines[9] = "a";
  for (int i = 0; i < 200; ++i) lines[9] += "\x8C\x9F";
  Put("T", lines);
  ASSERT_EQ(kReadOk, ReadProjectFile(Base("T")));
  EXPECT_EQ(lines[9].substr(0, 255), cm.ProjectTitle);  // "a" and 127 characters
}

// A number that does not scan, or lies beyond the range of its field, is damage: told once for
// the file with the first damaged line and its heading, and its field takes a new project's
// value whatever was open before. The numbers before it are read, and after an overflow the
// rest of its line too.
TEST_F(ProjectFileRead, DamagedValuesTakeANewProjectsValueWhateverWasOpenBefore) {
  const struct {
    std::string line;  // of the rich file, or the comment line before it
    bool afterComment;
    std::string damaged;
  } kDamage[] = {
      {"2", false, "garbage"},                                    // the method
      {"0.150000,0", false, "0.3,oops"},                          // seismic read, its switch not
      {"1.000000,2.000000,3.000000", false, "1e999,-1e400,3.5"},  // surcharge X min
      {"$   用紙   (1)A4横、(2)B4横、(3)A3横", true, "99999999999"},
      {"$   作図スケール分母", true, "2.5e999"},
      {"1,-1,2", false, "x,-1,2"},                            // the left surcharge labels
      {"1,1,-1,1", false, "1,-99999999999,-1,1"},             // the draw orders
      {"2,40.000000,10.000000", false, "2,1e309,10.000000"},  // a point
      {"8.000000,30.000000,21.000000,8.500000,1", false, "8.0,nan,21.0,8.5,1"},  // a pile row
  };
  auto lines = RichLines();
  for (const auto& d : kDamage) {
    auto at = std::find(lines.begin() + 11, lines.end(), ToCp932(d.line));
    ASSERT_NE(lines.end(), at) << d.line;
    *(at + (d.afterComment ? 1 : 0)) = d.damaged;
  }
  Put("G", lines);
  std::string saved[2];
  for (int before = 0; before < 2; ++before) {
    ResetProjectData();
    if (before == 1) BuildRichModel();
    ScriptedMessageBox box;
    box.Expect(Message("G",
                       " の12行目「検討方法 修正ﾌｪﾚ(0) ﾁｪﾎﾞ法(1),ﾋﾞｼｮｯﾌﾟ法(2),直線すべり法(3)」"
                       "に数値として読めない値がありました。その値は読み込みませんでした。"),
               "error");
    ASSERT_EQ(kReadOk, ReadProjectFile(Base("G")));
    EXPECT_EQ(0, cm.kt);
    EXPECT_EQ(0.3, cm.SeismicCoefficient);
    EXPECT_EQ(1, cm.SeismicIncludesSurcharge);
    EXPECT_EQ(0.0, cm.Surcharges.XMin[0]);
    EXPECT_EQ(0.0, cm.Surcharges.XMin[1]);
    EXPECT_EQ(3.5, cm.Surcharges.XMin[2]);
    EXPECT_EQ(3, DrawSettings.PaperSize);
    EXPECT_EQ(100.0, DrawSettings.ScaleDenominator);
    EXPECT_EQ(-1, DrawSettings.SurchargeLabelLeft[0]);  // off, as a new project has it
    EXPECT_EQ((std::array<int, 4>{1, -1, -1, 1}), DrawSettings.DrawOrder);
    EXPECT_EQ(0.0, PointTable[2].X);
    EXPECT_EQ(10.0, PointTable[2].Y);
    EXPECT_EQ(8.0, SheetPileSettings.Elevation[0]);
    EXPECT_EQ(0.0, SheetPileSettings.Intensity[0]);
    EXPECT_EQ(-1, DrawSettings.PileLabelMode[0]);
    EXPECT_EQ(45.0, SheetPileSettings.Intensity[1]);
    EXPECT_EQ(3, BlockCount);
    EXPECT_EQ(1, DataModified);
    ASSERT_EQ(kWriteOk, WriteProjectFile(Base("S")));
    saved[before] = ReadBytes(Path("S"));
  }
  EXPECT_EQ(saved[0], saved[1]);
  EXPECT_EQ(std::string::npos, saved[0].find("inf"));
}

// A title cut off inside its last character (a lead byte without its second byte) loses that
// byte: written before the line end, it would take the end's first byte as its second.
TEST_F(ProjectFileRead, TitleEndingInALoneLeadByteLosesIt) {
  auto lines = RichLines();
  lines[9] = "ab\x8C";
  Put("L", lines);
  ASSERT_EQ(kReadOk, ReadProjectFile(Base("L")));
  EXPECT_EQ("ab", cm.ProjectTitle);
  EXPECT_EQ(0, DataModified);
}

TEST_F(ProjectFileRead, TruncatedFileKeepsWhatWasReadAndSaysSo) {
  const auto full = RichLines();
  // Cut inside every part of the file: header, conditions, counted rows, lists, a block.
  const std::size_t cuts[] = {2, 20, 32, 120, 190, 197, 205, full.size() - 5};
  for (std::size_t keep : cuts) {
    ResetProjectData();
    Put("C", std::vector<std::string>(full.begin(), full.begin() + keep));
    box.Expect(Message("C", " は途中で終わっています。読み込めた所までを使います。"), "error");
    EXPECT_EQ(kReadOk, ReadProjectFile(Base("C"))) << keep;
    EXPECT_EQ(1, DataModified) << keep;
  }
}

TEST_F(ProjectFileRead, TruncatedBlockRecordIsNotCounted) {
  auto lines = RichLines();
  lines.resize(lines.size() - 5);  // the end line and the last four lines of block 2
  Put("C", lines);
  ExpectAFileMessage();
  ASSERT_EQ(kReadOk, ReadProjectFile(Base("C")));
  EXPECT_EQ(2, BlockCount);
}

TEST_F(ProjectFileRead, MissingEndLineCountsAsTruncated) {
  // Without it, a file cut after a whole block looks complete.
  auto lines = RichLines();
  lines.pop_back();
  Put("E", lines);
  ExpectAFileMessage();
  ASSERT_EQ(kReadOk, ReadProjectFile(Base("E")));
  EXPECT_EQ(3, BlockCount);
  EXPECT_EQ(1, DataModified);
}

TEST_F(ProjectFileRead, PointsBeyondCapacityAreDroppedAndTheRestStaysAligned) {
  auto lines = RichLines();
  // Replace the five point rows by 1100.
  const auto first = std::find(lines.begin(), lines.end(), "0,0.000000,0.000000");
  ASSERT_NE(lines.end(), first);
  std::vector<std::string> points;
  for (int i = 0; i < 1100; ++i) points.push_back(std::to_string(i) + ",1.000000,2.000000");
  lines.erase(first, first + 5);
  lines.insert(first - lines.begin() + lines.begin(), points.begin(), points.end());
  Put("B", lines);
  box.Expect(
      Message("B", " のデータ数が上限を超えています。上限を超えた分は読み込みませんでした。"),
      "error");
  ASSERT_EQ(kReadOk, ReadProjectFile(Base("B")));
  EXPECT_EQ(kMaxPoints, PointCount);
  EXPECT_EQ(1023, PointTable[1023].Id);
  EXPECT_EQ(4, LineCount);
  EXPECT_EQ(3, BlockCount);
  EXPECT_EQ(1, DataModified);
}

TEST_F(ProjectFileRead, CohesionRowsBeyondCapacityAreDropped) {
  auto lines = RichLines();
  lines[31] = "70";
  lines.insert(lines.begin() + 33, 67, "1.000000,1.000000");  // 3 + 67 = 70 rows
  Put("K", lines);
  ExpectAFileMessage();
  ASSERT_EQ(kReadOk, ReadProjectFile(Base("K")));
  EXPECT_EQ(kMaxCohesionVertices, cm.CohesionRefLine.Count);
  EXPECT_EQ(5.5, cm.MaxSafetyFactor);
  EXPECT_EQ(3, BlockCount);
}

TEST_F(ProjectFileRead, BadReferencesAreRepairedAndTold) {
  auto lines = RichLines();
  auto at = [&](const std::string& row) { return std::find(lines.begin(), lines.end(), row); };
  *at("2,40.000000,10.000000") = "7,40.000000,10.000000";  // slot 2 claims number 7
  *at("1,0,1,1") = "1,0,3,1";                              // ends on the free slot 3
  *at("2,1,2,-1") = "2,1,999,-1";                          // beyond the points
  *at("7,0,4,1") = "9,0,4,1";                              // no such kind
  Put("X", lines);
  box.Expect(
      Message(
          "X",
          " の点・線分・ブロックの番号に誤りがありました。誤った線分は削除し、番号は直しました。"),
      "error");
  ASSERT_EQ(kReadOk, ReadProjectFile(Base("X")));
  EXPECT_EQ(2, PointTable[2].Id);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(kLineFree, LineTable[i].Kind) << i;
  EXPECT_EQ(1, DataModified);
}

TEST_F(ProjectFileRead, ARepeatedLineIsDeletedAndTold) {
  auto lines = RichLines();
  *std::find(lines.begin(), lines.end(), "2,1,2,-1") = "1,1,0,1";  // line 0 in reverse
  Put("D", lines);
  box.Expect(
      Message(
          "D",
          " の点・線分・ブロックの番号に誤りがありました。誤った線分は削除し、番号は直しました。"),
      "error");
  ASSERT_EQ(kReadOk, ReadProjectFile(Base("D")));
  EXPECT_EQ(kLineBoundary, LineTable[0].Kind);
  EXPECT_EQ(kLineFree, LineTable[2].Kind);
}

// The file holds three cohesion rows and two pile rows; the counts say otherwise.
TEST_F(ProjectFileRead, DamagedCountsReadTheSameWhateverWasOpenBefore) {
  const std::string kNotANumber =
      " のデータ数が数値ではありません。次の見出し行までを読み込みました。";
  const std::string kWrong = " のデータ数が行数と合いません。次の見出し行までを読み込みました。";
  const struct {
    const char* cohesionCount;
    const char* pileCount;
    std::string message;
  } kCases[] = {
      {"three", "", kNotANumber},
      {"5", "2", kWrong},  // more than there are
      {"3", "1", kWrong},  // fewer than there are
      {"0", "9", kWrong},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.cohesionCount) + " / " + c.pileCount);
    auto lines = RichLines();
    auto countOf = [&](const char* comment) {
      return std::find(lines.begin(), lines.end(), ToCp932(comment)) + 1;
    };
    *countOf("$   粘着力基準線　点数") = c.cohesionCount;
    *countOf("$   矢板受動土圧　データ数") = c.pileCount;
    Put("N", lines);
    // Read over a new project, then over one with other counts: the file means the same.
    std::string saved[2];
    for (int before = 0; before < 2; ++before) {
      ResetProjectData();
      if (before == 1)
        BuildRichModel(), cm.CohesionRefLine.Count = 1, SheetPileSettings.RowCount = 9;
      ScriptedMessageBox box;
      box.Expect(Message("N", c.message), "error");
      ASSERT_EQ(kReadOk, ReadProjectFile(Base("N")));
      EXPECT_EQ(3, cm.CohesionRefLine.Count);
      EXPECT_EQ(30.0, cm.CohesionRefLine.X[2]);
      EXPECT_EQ(2, SheetPileSettings.RowCount);
      EXPECT_EQ(45.0, SheetPileSettings.Intensity[1]);
      EXPECT_EQ(5.5, cm.MaxSafetyFactor);
      EXPECT_EQ(9000.0, SheetPileSettings.AllowableShear);
      EXPECT_EQ(3, BlockCount);
      EXPECT_EQ(1, DataModified);
      ASSERT_EQ(kWriteOk, WriteProjectFile(Base("S")));
      saved[before] = ReadBytes(Path("S"));
    }
    EXPECT_EQ(saved[0], saved[1]);
  }
}

TEST_F(ProjectFileRead, EveryNegativeNumberMarksAFreeSlot) {
  auto lines = RichLines();
  auto at = [&](const std::string& row) { return std::find(lines.begin(), lines.end(), row); };
  *at("-1,0.000000,0.000000") = "-5,0.000000,0.000000";  // the free point slot 3
  Put("F", lines);
  ExpectAFileMessage();  // the number was put right
  ASSERT_EQ(kReadOk, ReadProjectFile(Base("F")));
  EXPECT_EQ(-1, PointTable[3].Id);  // free, not a point at (0, 0)
  EXPECT_EQ(5, PointCount);
  EXPECT_EQ(kLineResidualWater, LineTable[3].Kind);
}

}  // namespace
}  // namespace selvana::test
