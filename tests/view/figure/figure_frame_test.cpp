// The frame layer: frame and bands, rulers at 1:100 and 1:10, the result box of every method with
// and without results, the soil table and the load legend, checked against golden files.
#include <gtest/gtest.h>

#include "calc/results/consolidation.h"
#include "figure_test_support.h"
#include "model/project_model.h"
#include "platform/cp932.h"
#include "platform/number_format.h"
#include "view/figure/frame_layout.h"
#include "view/figure/result_box_layout.h"
#include "view/figure_frame.h"
#include "view/view_test_support.h"

namespace selvana::test {
namespace {

using FigureFrameTest = FigureFixture;

void CriticalCircle() {
  CalcStatus = 1;
  Fmin = 1.234;
  CriticalResult = {};
  CriticalResult.cx = 12.5, CriticalResult.cy = 20.25, CriticalResult.rr = 15.0;
  CriticalResult.dx = 30.0, CriticalResult.dy = -2.5;
  CriticalResult.md = 1500.0, CriticalResult.mr = 1851.0, CriticalResult.mry = 42.5;
}

// A4 at 1:100 spans model 0..26 x 0..18 m: ticks every metre from the band edges at 1 m (on a
// step, so ticked), labels every 5 m; at 1:10 ticks every 0.1 m and labels every 0.5 m.
TEST_F(FigureFrameTest, FrameRulersAndTablesMatchTheGolden) {
  std::string dump;
  for (const double scale : {100.0, 10.0}) {
    UseA4(scale);
    FigureLayout frame;
    LayoutFrame(frame);
    LayoutRulers(frame);
    dump += StrFormat("# frame and rulers at 1:%g\n", scale) + DumpLayout(frame);
  }
  UseA4(100.0);
  CriticalCircle();
  SheetPileSettings.Mode = 2;
  DrawSettings.SoilTableMode() = -1.0;
  PartialFactors.Enabled = 1;
  BlockRecord& sand = Block(0, 1.0, 1.0);
  sand.UnitWeight = 18.0, sand.EffectiveUnitWeight = 8.0, sand.Cohesion = 10.0;
  sand.CohesionGradient = 1.5, sand.FrictionAngle = 30.0, sand.SandPile = 1;
  Block(1, 2.0, 2.0).Number = -1;       // a freed slot leaves no gap
  Block(2, 3.0, 3.0).UnitWeight = 0.0;  // zero values print dashes, the number stays
  cm.ProjectTitle = ToCp932("断面Ａ");
  DrawSettings.Sizes[0] = 5.0;
  DrawSettings.TitlePosX = 13.0, DrawSettings.TitlePosY = 16.0;
  FigureLayout tables;
  LayoutResultTables(tables, true, TablesFor::kScreen);
  EXPECT_EQ(0, LayoutProjectTitle(tables));
  dump += "# result box of method 0 with a passive pile, soil table, legend, title\n" +
          DumpLayout(tables);
  ExpectGolden(dump, "view/figure/frame_and_tables.txt");
}

struct BoxCase {
  const char* name;
  int kt;
  int factors;
  int pileMode;
  bool results;
};

const BoxCase kBoxCases[] = {
    {"Fellenius", 0, 0, 0, true},
    {"Tschebotarioff, shear pile", 1, 0, 3, true},
    {"Tschebotarioff, shear pile, no results", 1, 0, 3, false},
    {"Bishop", 2, 0, 0, true},
    {"Bishop, factors on", 2, 1, 0, true},
    {"Bishop, factors on, no results", 2, 1, 0, false},
    {"modified Bishop, factors on (no gamma row)", 4, 1, 0, true},
    {"line from a point", 3, 0, 0, true},
    {"line between segments", 5, 0, 0, true},
    {"line between segments, no results", 5, 0, 0, false},
};

// Every label is 15 bytes, so the 12-character values line up in one column.
TEST_F(FigureFrameTest, ResultBoxRowsOfEveryMethodMatchTheGolden) {
  std::string dump;
  for (const BoxCase& c : kBoxCases) {
    CriticalCircle();
    cm.kt = c.kt;
    PartialFactors.Enabled = c.factors;
    PartialFactors.Factor[9] = 1.2;
    SheetPileSettings.Mode = c.pileMode;
    const ResultBoxRows rows = BuildResultBoxRows(c.results);
    dump += std::string("# ") + c.name + "\n";
    for (int k = 0; k < rows.Count; ++k) {
      EXPECT_EQ(kResultLabelBytes + 12, rows.Text[k].size()) << c.name << " row " << k + 1;
      dump += ToUtf8(rows.Text[k]) + "\n";
    }
  }
  ExpectGolden(dump, "view/figure/result_box_rows.txt");
}

TEST_F(FigureFrameTest, SoilTableRowsAreFortyEightBytes) {
  BlockRecord b;
  b.Number = 12, b.UnitWeight = 18.5, b.EffectiveUnitWeight = 9.0, b.Cohesion = 120.0;
  b.CohesionGradient = 2.0, b.FrictionAngle = 35.0;
  EXPECT_EQ(kSoilRowBytes, SoilTableRow(b).size());
  b.SandPile = 1, b.Cohesion = 0.0, b.FrictionAngle = 0.0;
  EXPECT_EQ(kSoilRowBytes, SoilTableRow(b).size());
  EXPECT_EQ(" * 12  18.500   9.000      ----   2.000    ---- ", SoilTableRow(b));
}

// A cohesion wider than its column pushes the rest of its row across the column rules; cut at
// the rules, the row would show a K and a negative φ that are not there, so it is one text.
TEST_F(FigureFrameTest, SoilRowWiderThanItsColumnsIsDrawnWhole) {
  UseA4(100.0);
  DrawSettings.SoilTableMode() = -1.0;
  DrawSettings.Decimals[2] = 6;
  BlockRecord& b = Block(0, 1.0, 1.0);
  b.UnitWeight = 18.0, b.Cohesion = 1234.5, b.FrictionAngle = 30.0;
  FigureLayout tables;
  LayoutResultTables(tables, false, TablesFor::kScreen);
  EXPECT_NE(std::string::npos, DumpLayout(tables).find("\"" + SoilTableRow(b) + "\""));
}

TEST_F(FigureFrameTest, RulerStepsFollowTheScale) {
  const struct {
    double scale, minor, major;
  } cases[] = {{10.0, 0.1, 0.5},   {10.1, 0.2, 1.0},      {100.0, 1.0, 5.0},
               {100.1, 2.0, 10.0}, {5000.0, 50.0, 250.0}, {5000.1, 100.0, 500.0}};
  for (const auto& c : cases) {
    EXPECT_EQ(c.minor, RulerStepsFor(c.scale).minor) << c.scale;
    EXPECT_EQ(c.major, RulerStepsFor(c.scale).major) << c.scale;
  }
}

// Far from the origin a step no longer moves the value; the ruler walks stop instead of looping.
TEST_F(FigureFrameTest, RulersStopWhereAStepNoLongerMoves) {
  DrawSettings.FrameCentreX = 1e20;
  ComputeFigureFrame();
  FigureLayout layout;
  LayoutRulers(layout);
  EXPECT_LT(layout.Items().size(), 100u);
}

// A scale typed with extra zeros spans thousands of kilometres at 100 m a tick: the walks are
// capped rather than laying out billions of ticks.
TEST_F(FigureFrameTest, RulersOfAnAbsurdScaleAreCapped) {
  UseA4(1e12);
  FigureLayout layout;
  LayoutRulers(layout);
  EXPECT_LE(layout.Items().size(), 4u * 100000u);
}

}  // namespace
}  // namespace selvana::test
