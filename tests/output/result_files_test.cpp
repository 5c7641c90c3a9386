// The result files: list, safety-factor table with its page forms, and minimum report, per
// grid order, against golden files and the rules of their forms.
#include "output/result_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "model/project_model.h"
#include "output/output_test_support.h"
#include "output/result_matrix.h"
#include "platform/cp932.h"
#include "support/reset_all.h"
#include "support/scratch_folder_test.h"
#include "support/scripted_message_box.h"

namespace selvana {
namespace {

using test::AddSlip;
using test::ReadOutput;

class ResultFiles : public test::ScratchFolderTest {
 protected:
  void SetUp() override {
    ScratchFolderTest::SetUp();
    Prepare();
  }
  // A calculated project with safety factors at 3 decimals and moments at 2.
  static void Prepare() {
    cm.ProjectTitle = "TEST SLOPE";
    cm.ProjectFileName = "SLOPE1";
    cm.CalcDateTime.Date = {26, 12, 7, 0};
    cm.CalcDateTime.Time = {9, 5, 30, 0};
    cm.SeismicCoefficient = 0.1;
    cm.SafetyTableFormat = 1;
    DrawSettings.Decimals[0] = 3;
    DrawSettings.Decimals[7] = 2;
    CalcStatus = 1;
  }
  // Order 1: three radii at (10, 20), one more centre in that column, a second column; order 2
  // empty; order 3 one record.
  static void TwoOrdersWithAGap() {
    AddSlip(1, {10, 20, 15, 100.5, 50.25, 0, 150.75, 100, 1.507});
    AddSlip(1, {10, 20, 16, 110, 60, 0, 170, 100, 1.7});
    AddSlip(1, {10, 20, 14, 90, 40, 0, 130, 100, 1.25});
    AddSlip(1, {10, 22, 15, 200, 100, 0, 300, 100, 3.0});
    AddSlip(1, {12, 20, 15, 150, 50, 0, 200, 100, 2.0});
    AddSlip(3, {11, 21, 15, 120, 60, 0, 180, 100, 1.8});
  }
  // One record per centre along a row of `columns` centres X = 1, 2, ...
  static void RowOfCentres(int columns) {
    for (int i = 1; i <= columns; ++i) AddSlip(1, {double(i), 5, 10, 10, 10, 0, 20, 10, 2.0});
  }
};

TEST_F(ResultFiles, CircleOrdersMatchTheirGoldenFilesAndEmptyOrdersArePassedOver) {
  TwoOrdersWithAGap();
  ASSERT_EQ(WriteResultPrintFiles(), kResultFilesWritten);
  for (const char* file :
       {"SB_ANS10.PDT", "SB_ANS10.CSV", "SB_ANS11.PDT", "SB_ANS11.CSV", "SB_ANS12.PDT",
        "SB_CH10.PFM", "SB_CI10.PFM", "SB_CG10.PFM", "SB_ANS32.PDT"}) {
    SCOPED_TRACE(file);
    test::ExpectGoldenFile("circle_orders", file);
  }
  EXPECT_FALSE(HasFile("SB_ANS20.PDT"));
  EXPECT_TRUE(HasFile("SB_ANS30.PDT") && HasFile("SB_ANS31.PDT") && HasFile("SB_CG30.PFM"));
  EXPECT_EQ(LastOrder, 3);
}

TEST_F(ResultFiles, FewerDecimalsThanJudgedCutTheFactorsDown) {
  DrawSettings.Decimals[0] = 2;
  AddSlip(1, {10, 20, 15, 0, 0, 0, 0, 0, 1.006});
  AddSlip(1, {12, 20, 15, 0, 0, 0, 0, 0, 0.998});
  ASSERT_EQ(WriteResultPrintFiles(), kResultFilesWritten);
  EXPECT_NE(ReadOutput("SB_ANS10.PDT").find("\n08    0.99\n"), std::string::npos);
  EXPECT_NE(ReadOutput("SB_ANS10.CSV").find(",1.00\n"), std::string::npos);
  EXPECT_NE(ReadOutput("SB_ANS11.PDT").find("\n01    1.00\n11   15.00\n02    0.99\n"),
            std::string::npos);
  EXPECT_NE(ReadOutput("SB_ANS12.PDT").find("\n00  　　０．９９\n"), std::string::npos);
}

TEST_F(ResultFiles, NineColumnsMakeTwoPagesTheSecondOpenedByItsLaterHeader) {
  RowOfCentres(9);
  ASSERT_EQ(WriteResultPrintFiles(), kResultFilesWritten);
  const std::string table = ReadOutput("SB_ANS11.PDT");
  EXPECT_NE(table.find("$0  SB_CH10.PFM   \n01    1.00\n"), std::string::npos);
  EXPECT_NE(table.find("$H  SB_CH11.PFM   \n01    9.00\n$0  SB_CI11.PFM   \n01    9.00\n"),
            std::string::npos);
  EXPECT_NE(ReadOutput("SB_CH10.PFM").find("\n2,9,0,0\n8,8,8,8,8,8,8,8,8\n"), std::string::npos);
  // A page of one column: one code per cell, the lone grid cell closed on both sides.
  const std::string header = ReadOutput("SB_CH11.PFM");
  EXPECT_NE(header.find("\n2,2,0,0\n8,8\n"), std::string::npos);
  EXPECT_NE(header.find("\n4444,4444\n"), std::string::npos);
  EXPECT_NE(
      ReadOutput("SB_CG11.PFM").find("\n4041,4041\n1,1\n$10^^^,$11^^^\n4140,4140\n4440,4440\n"),
      std::string::npos);
}

TEST_F(ResultFiles, TableFormatZeroLeavesRadiiOutOfThePrintDataButNotOutOfTheCsv) {
  cm.SafetyTableFormat = 0;
  RowOfCentres(2);
  ASSERT_EQ(WriteResultPrintFiles(), kResultFilesWritten);
  const std::string table = ReadOutput("SB_ANS11.PDT");
  EXPECT_EQ(table.find("( R )"), std::string::npos);
  EXPECT_EQ(table.find("\n11  "), std::string::npos);
  EXPECT_NE(ReadOutput("SB_ANS11.CSV").find("\n(R),10.00,10.00\n"), std::string::npos);
  EXPECT_NE(ReadOutput("SB_CG10.PFM")
                .find("1,3,0,0\n8,8,8\n1,1,1\n$00^^^,$01^^^,$02^^^\n"
                      "4141,4111,1141\n4441,4411,1441\n"),
            std::string::npos);
}

TEST_F(ResultFiles, ClosingFormFollowsFactorsEarthquakeAndMethod) {
  const struct {
    int kt, factors, drivingMode;
    double seismic;
    const char* closing;  // the last form of the minimum report
  } cases[] = {
      {4, 1, 0, 0.1, "$0  SB_BF52.PFM"}, {2, 0, 0, 0.1, "$0  SB_BE51.PFM"},
      {2, 0, 1, 0.1, "$0  SB_BD51.PFM"}, {0, 0, 0, 0.0, "$0  SB_CD51.PFM"},
      {5, 0, 0, 0.1, "$0  SB_LE51.PFM"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kt);
    test::ResetAllState();
    Prepare();
    cm.kt = c.kt;
    PartialFactors.Enabled = c.factors;
    cm.DrivingForceMode = c.drivingMode;
    cm.SeismicCoefficient = c.seismic;
    RowOfCentres(1);
    ASSERT_EQ(WriteResultPrintFiles(), kResultFilesWritten);
    const std::string report = ReadOutput("SB_ANS12.PDT");
    EXPECT_EQ(report.substr(report.rfind("$0")), std::string(c.closing) + "\n");
  }
}

TEST_F(ResultFiles, StraightLinesWriteListAndReportButNoTable) {
  cm.kt = 3;
  AddSlip(1, {0, 5, 30, 10, 20, 0, 30, 12.5, 2.4});
  ASSERT_EQ(WriteResultPrintFiles(), kResultFilesWritten);
  EXPECT_FALSE(HasFile("SB_ANS11.PDT") || HasFile("SB_ANS11.CSV") || HasFile("SB_CH10.PFM"));
  EXPECT_EQ(ReadOutput("SB_ANS10.CSV"),
            "X,Y,α,PRF,PRC,PR,PD,F\n0.00,5.00,30.00,10.00,20.00,30.00,12.50,2.400\n");
  // The driving force of the list is eight wide.
  EXPECT_NE(ReadOutput("SB_ANS10.PDT").find("\n07     12.50\n08   2.400\n$H\n"), std::string::npos);
}

TEST_F(ResultFiles, BishopPrintsMomentsPerMetreOfRadius) {
  cm.kt = 2;
  AddSlip(1, {10, 20, 20, 0, 0, 0, 300, 200, 1.5});
  ASSERT_EQ(WriteResultPrintFiles(), kResultFilesWritten);
  EXPECT_EQ(ReadOutput("SB_ANS10.CSV"), "X,Y,R,PR,PD,F\n10.00,20.00,20.00,15.00,10.00,1.500\n");
  EXPECT_NE(ReadOutput("SB_ANS12.PDT")
                .find("\n01       15.00\n02       10.00\n03  10.000\n"
                      "04  20.000\n05  20.000\n$0  SB_BE51.PFM\n"),
            std::string::npos);
}

TEST_F(ResultFiles, PilePressureWithoutCollectedPressureWritesZerosNotNan) {
  SheetPileSettings.Mode = 2;
  SheetPileSettings.PileX = 30;  // beyond the circle: no cut, so no angle
  AddSlip(1, {10, 20, 15, 90, 40, 5, 135, 100, 1.35});
  ASSERT_EQ(WriteResultPrintFiles(), kResultFilesWritten);
  const std::string report = ReadOutput("SB_ANS12.PDT");
  EXPECT_EQ(report.find("nan"), std::string::npos);
  EXPECT_EQ(report.find("inf"), std::string::npos);
  // The pile's resistance enters the safety factor: (90 + 40 + 5) / 100.
  EXPECT_NE(report.find("09        5.00\n00  　１．３５０\n"), std::string::npos);
  EXPECT_NE(report.find("$0  SB_CC62.PFM\n00     0.000\n"), std::string::npos);
  EXPECT_NE(report.find("$0  SB_CC64.PFM\n00     0.000\n01     0.000\n"), std::string::npos);
}

TEST_F(ResultFiles, PileShearBeyondTheCircleWritesZerosForItsAngleAndForce) {
  SheetPileSettings.Mode = 3;
  SheetPileSettings.PileX = 30;  // beyond the circle of radius 15 around X = 10
  SheetPileSettings.AllowableShear = 100;
  SheetPileSettings.SectionArea = 50;
  AddSlip(1, {10, 20, 15, 90, 40, 0, 130, 100, 1.3});
  ASSERT_EQ(WriteResultPrintFiles(), kResultFilesWritten);
  // The pile's own values stay; the angle, its cosine, the force along the circle and its
  // moment are 0 rather than the near-infinite force of a 90 degree cut.
  EXPECT_NE(ReadOutput("SB_ANS12.PDT")
                .find("$0  SB_CC61.PFM\n00     0.000\n01     100.0\n02    50.000\n03     5.000\n"
                      "04   0.00000\n05     0.000\n06    15.000\n07        0.00\n"),
            std::string::npos);
}

TEST_F(ResultFiles, PilePressureDiagramBetweenCutAndLowerBound) {
  SheetPileSettings.Mode = 2;
  SheetPileSettings.PileX = 10;  // under the centre: the cut lies R below it, at 5
  SheetPileSettings.Lm1 = 2;
  SheetPileSettings.RowCount = 3;
  SheetPileSettings.Elevation = {6, 4, 2};
  SheetPileSettings.Intensity = {10, 30, 50};
  AddSlip(1, {10, 20, 15, 90, 40, 0, 130, 100, 1.3});
  ASSERT_EQ(WriteResultPrintFiles(), kResultFilesWritten);
  const std::string report = ReadOutput("SB_ANS12.PDT");
  // Points (5, 20), (4, 30) and the lower bound (3, 40): P = 25 + 35 = 60 with its centroid
  // at 3.889, so the lever below the centre is 16.111 and the moment 966.67.
  EXPECT_NE(report.find("$0  SB_CC63.PFM\n00     5.000\n01    20.000\n$0  SB_CC63.PFM\n00     "
                        "4.000\n01    30.000\n$0  SB_CC63.PFM\n00     3.000\n01    40.000\n"),
            std::string::npos);
  EXPECT_NE(report.find("$0  SB_CC64.PFM\n00    60.000\n01     1.111\n02    15.000\n03   1.00000\n"
                        "04    16.111\n05      966.67\n"),
            std::string::npos);
}

// The CSV tables too: one of another project would be read as this one's.
TEST_F(ResultFiles, OldPrintFilesOfEveryPageAndOrderAreRemoved) {
  const char* const gone[] = {"SB_CH110.PFM", "SB_BG42.PFM",  "SB_CA19.PFM",
                              "SB_ANS42.PDT", "SB_CHK02.PDT", "SB_ANS40.CSV",
                              "SB_ANS31.CSV", "SB_CHKSA.PFM", "SB_CHKNT.PFM"};
  for (const char* name : gone) std::ofstream(name) << "old";
  std::ofstream("SB_CE51.PFM") << "old";
  CalcStatus = 0;
  EXPECT_EQ(WriteResultPrintFiles(), kResultFilesNothing);
  for (const char* name : gone) EXPECT_FALSE(HasFile(name)) << name;
  EXPECT_TRUE(HasFile("SB_CE51.PFM"));  // a form of the viewer, not ours
}

TEST_F(ResultFiles, ValidResultsWithEmptyTablesAreAnError) {
  test::ScriptedMessageBox box;
  box.Expect("maxdims < 1", "error");
  EXPECT_EQ(WriteResultPrintFiles(), kResultFilesNoRecords);
}

TEST_F(ResultFiles, AFileThatCannotBeWrittenIsReportedOnceAndStopsTheWriting) {
  std::filesystem::create_directory("SB_ANS11.CSV");  // a folder where the table CSV should go,
  std::ofstream("SB_ANS11.CSV/keep") << "x";          // one that the removal leaves
  TwoOrdersWithAGap();
  test::ScriptedMessageBox box;
  box.Expect("印刷データ(SB_ANS11.CSV) を書き込めませんでした。", "error");
  EXPECT_EQ(WriteResultPrintFiles(), kResultFilesFailed);
  EXPECT_FALSE(HasFile("SB_ANS12.PDT"));
  EXPECT_FALSE(HasFile("SB_ANS30.PDT"));
}

TEST(FullWidthNumber, DigitsSignsPointAndBlankBecomeFullWidth) {
  const std::string converted = ToFullWidthNumber(" -1.25+x\n");
  EXPECT_EQ(ToUtf8(converted), "　－１．２５＋x\n");
}

}  // namespace
}  // namespace selvana
