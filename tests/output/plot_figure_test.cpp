// The plot of the calculation figure, layer by layer, on an A3 sheet at 1:200 centred on
// (50, 20): frame 380 x 260 mm from model X 12 and Y -6, so paper x = 5 (X - 12) and
// y = 5 (Y + 6).
#include "output/plot_figure.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "calc/results/consolidation.h"
#include "calc/results/slip_result.h"
#include "calc/test_model_builder.h"
#include "model/project_model.h"
#include "output/output_test_support.h"
#include "support/calculated_sample.h"
#include "support/scratch_folder_test.h"
#include "view/figure/slip_layout.h"

namespace selvana {
namespace {

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

bool AnyEndsWith(const std::vector<std::string>& lines, const std::string& tail) {
  return std::any_of(lines.begin(), lines.end(),
                     [&tail](const std::string& line) { return EndsWith(line, tail); });
}

class PlotFigure : public test::ProgramFolderTest {
 protected:
  void SetUp() override {
    ProgramFolderTest::SetUp();
    DrawSettings.PaperSize = 3;
    DrawSettings.ScaleDenominator = 200.0;
    DrawSettings.FrameCentreX = 50.0;
    DrawSettings.FrameCentreY = 20.0;
    DrawSettings.Sizes[7] = 3.0;
  }
  // The drawing records of a layer in the written file.
  std::vector<std::string> OnLayer(const std::string& code, int layer) {
    EXPECT_EQ(WritePlotFile(), 0);
    std::vector<std::string> found;
    const std::string text = test::ReadOutput(kPlotFileName);
    const std::string tail = "," + std::to_string(layer);
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
      const std::string line = text.substr(start, end - start);
      const bool onLayer =
          code == "VJ" ? line.find(tail + ",") != std::string::npos : EndsWith(line, tail);
      if (line.rfind(code, 0) == 0 && onLayer) found.push_back(line);
    }
    return found;
  }
};

TEST_F(PlotFigure, TerrainLinesAreCutAtTheBandsAndDrawnOnlyWhenMarked) {
  const int a = test::AddTestPoint(0, 20), b = test::AddTestPoint(40, 20);
  const int c = test::AddTestPoint(20, 45), d = test::AddTestPoint(40, 45);
  const int e = test::AddTestPoint(20, 10), f = test::AddTestPoint(30, 10);
  LineTable[test::AddTestLine(kLineBoundary, a, b)].DrawFlag = 1;   // across the left band
  LineTable[test::AddTestLine(kLineBoundary, c, d)].DrawFlag = 1;   // in the title band
  LineTable[test::AddTestLine(kLineBoundary, e, f)].DrawFlag = -1;  // not marked for drawing
  EXPECT_EQ(OnLayer("DL", kLayerTerrain),
            std::vector<std::string>{"DL1000000,13000000,14000000,13000000,4"});
}

TEST_F(PlotFigure, PointsAreNumberedOnlyWhereTheNumberFitsInsideTheBands) {
  test::AddTestPoint(30, 20);    // numbered: left 90 - 0.75, bottom 130 + 0.6
  test::AddTestPoint(30, 43.5);  // inside, but its number would cross the title band
  test::AddTestPoint(11, 20);    // outside the bands
  EXPECT_EQ(OnLayer("VJ", kLayerPointNumbers),
            std::vector<std::string>{"VJ8925000,13060000,300000,300000,0,3,0"});
  DrawSettings.Sizes[7] = 0.0;
  EXPECT_TRUE(OnLayer("VJ", kLayerPointNumbers).empty());
}

// A block of ground 0..60 m wide and 10 m high, paper y 30 to 80 mm.
void GroundBlock() {
  const int a = test::AddTestPoint(0, 0), b = test::AddTestPoint(60, 0);
  const int c = test::AddTestPoint(60, 10), d = test::AddTestPoint(0, 10);
  test::AddBoundaryChain({a, b, c, d});
  test::AddTestBlock(30, 5, test::Soil{});
}

TEST_F(PlotFigure, ALoadIsPlottedOnceForBothEndsWithArrowsAndItsUnitExponent) {
  GroundBlock();
  cm.Surcharges.XMin[0] = 20;  // paper x 40 to 140 mm on the ground at y 80
  cm.Surcharges.XMax[0] = 40;
  cm.Surcharges.LoadAtXMax[0] = 20;
  DrawSettings.Sizes[1] = 4.0;  // base step 2 mm: 100 arrows 1 mm apart, and one at the end
  DrawSettings.Sizes[5] = 1.0;
  DrawSettings.Decimals[5] = 1;
  DrawSettings.SurchargeLabelRight[0] = 0;  // 0 or more: labelled
  DrawSettings.SurchargeRightX[0] = 40;
  DrawSettings.SurchargeRightY[0] = 14;
  EXPECT_EQ(OnLayer("DL", kLayerSurcharges),
            std::vector<std::string>{"DL4000000,8000000,14000000,10000000,11"});
  const auto arrows = OnLayer("AH", kLayerSurcharges);
  ASSERT_EQ(arrows.size(), 101u);
  EXPECT_EQ(arrows.front(), "AH4000000,8000000,4000000,8000000,133333,66667,10,11");
  EXPECT_EQ(arrows.back(), "AH14000000,10000000,14000000,8000000,133333,66667,10,11");
  // Only the right end carries a load: "   20.0 kN/m" is 12 bytes, so its left edge lies
  // 4 x 10 x 0.25 mm left of the label position, and the exponent 12 half cells further on.
  EXPECT_EQ(OnLayer("VJ", kLayerSurcharges),
            (std::vector<std::string>{"VJ13000000,9800000,400000,400000,0,11,   20.0 kN/m",
                                      "VJ15400000,10000000,200000,200000,0,11,２"}));
}

TEST_F(PlotFigure, SoilUnitsGetTheirOwnExponentAndTheWaterBarsTheirOwnLayer) {
  GroundBlock();
  DrawSettings.Sizes[1] = 2.0;
  DrawSettings.Decimals = {3, 1, 1, 1, 1, 1, 1, 1};
  BlockTable[0].SoilLabelMode = 1;
  BlockTable[0].SoilLabelX = 20;  // paper (40, 50)
  BlockTable[0].SoilLabelY = 4;
  const auto texts = OnLayer("VJ", kLayerSoilLabels);
  ASSERT_GE(texts.size(), 2u);
  EXPECT_EQ(texts[0], "VJ4000000,4800000,200000,200000,0,10,γt =  18.0 kN/m");
  EXPECT_EQ(texts[1], "VJ5600000,4900000,100000,100000,0,10,３");  // 16 bytes on, raised 1 mm

  // The one-line sand-pile texts of the plot: the blank before the unit, none before "ﾟ".
  BlockTable[0].SoilLabelMode = 2;
  BlockTable[0].ReplacementRatio = 0.3;
  BlockTable[0].PileUnitWeight = 19;
  BlockTable[0].PileFrictionAngle = 30;
  const auto row = OnLayer("VJ", kLayerSoilLabels);
  EXPECT_TRUE(AnyEndsWith(row, ",Ｗs=19.0 kN/m"));
  EXPECT_TRUE(AnyEndsWith(row, ",φs=30.0ﾟ"));

  BlockTable[0].SoilLabelMode = 3;
  EXPECT_EQ(OnLayer("DL", kLayerSoilLabels).size(), 3u);
  EXPECT_EQ(OnLayer("DL", kLayerWaterBars).size(), 5u);
}

// The soil table under a box of six rows 3.6 mm high from the title band at 250 mm and one blank
// row: the heading's line at 221.2 mm, the block's at 217.6 mm. Each row is one text 3 mm high,
// from W - 24h = 308 mm, its bottom 0.3 mm above its line, the heading the plot's own.
TEST_F(PlotFigure, SoilTableIsWrittenInWholeRowsUnderThePlotsHeading) {
  GroundBlock();
  CalcStatus = 1;
  cm.kt = kMethodFellenius;
  DrawSettings.Sizes[4] = 3.0;
  DrawSettings.SoilTableMode() = -1.0;
  const auto texts = OnLayer("VJ", kLayerRulers);
  const std::string heading = "  No     W1      W2      C0      K       φ";
  const std::string headingRecord = "VJ30800000,22150000,300000,300000,0,1," + heading;
  EXPECT_EQ(std::count(texts.begin(), texts.end(), headingRecord), 1);
  EXPECT_EQ(
      std::count_if(texts.begin(), texts.end(),
                    [](const std::string& t) { return t.starts_with("VJ30800000,21790000,"); }),
      1);
}

TEST_F(PlotFigure, ForcesArePlottedHeadFirstAndANegativeForceNotAtAll) {
  cm.HorizontalForces.H = {10, -10, 0, 0};
  cm.HorizontalForces.Y = {5, 5, 0, 0};
  DrawSettings.ForceLabelX = {30, 30, 0, 0};    // the tip at paper (90, 55)
  DrawSettings.ForceLabelPlace = {0, 0, 0, 0};  // the label behind the tail
  MinSlip.Direction = 1;                        // sliding to the right: the shaft runs right
  DrawSettings.Sizes[1] = 4.0;
  DrawSettings.Sizes[6] = 1.0;
  DrawSettings.Decimals[4] = 1;
  EXPECT_EQ(OnLayer("DL", kLayerForces),
            (std::vector<std::string>{"DL9000000,5500000,9400000,5580000,12",
                                      "DL9000000,5500000,9400000,5420000,12",
                                      "DL9000000,5500000,10000000,5500000,12"}));
  EXPECT_EQ(OnLayer("VJ", kLayerForces),
            std::vector<std::string>{"VJ10400000,5300000,400000,400000,0,12,10.0 kN/m"});
}

// Pile at paper x 90 with rows at paper y 110 and 90, the second pressing 10 mm to the left.
TEST_F(PlotFigure, PressureOutlineOfARowIsWrittenBeforeItsBar) {
  SheetPileSettings.PileX = 30;
  SheetPileSettings.TopElevation = 20;
  SheetPileSettings.EmbedmentElevation = 0;
  SheetPileSettings.RowCount = 2;
  SheetPileSettings.Elevation[0] = 16;
  SheetPileSettings.Elevation[1] = 12;
  SheetPileSettings.Intensity[0] = 0;
  SheetPileSettings.Intensity[1] = 10;
  DrawSettings.Sizes[8] = 1.0;
  DisplaySwitches[kShowPilePressure] = 1;
  MinSlip.Direction = 1;
  EXPECT_EQ(OnLayer("DL", kLayerPilePressure),
            (std::vector<std::string>{"DL9000000,11000000,9000000,11000000,13",
                                      "DL9000000,11000000,8000000,9000000,13",
                                      "DL9000000,9000000,8000000,9000000,13"}));
}

// The centre's safety factor and the result box are plotted even 0 high; a negative height
// (only a broken file can hold one) leaves them out.
TEST_F(PlotFigure, CentreLabelAndResultBoxAreWrittenAtAnyTextHeightOfZeroOrMore) {
  CalcStatus = 1;
  cm.kt = kMethodFellenius;
  CircleList[0] = {};
  CircleList[0].CentreX = CircleList[0].LabelX = 30;
  CircleList[0].CentreY = CircleList[0].LabelY = 20;
  CircleList[0].F = 1.25;
  CircleListCount = 1;
  DrawSettings.Decimals[0] = 3;
  const auto boxRows = [this] {
    const auto texts = OnLayer("VJ", kLayerRulers);
    return std::count_if(texts.begin(), texts.end(), [](const std::string& line) {
      return line.find("最小安全率 Fmin") != std::string::npos;
    });
  };
  DrawSettings.Sizes[3] = DrawSettings.Sizes[4] = 0.0;
  EXPECT_EQ(OnLayer("VJ", kLayerCentres),
            std::vector<std::string>{"VJ9000000,13000000,0,0,0,8, 1.250"});
  EXPECT_EQ(boxRows(), 1);
  DrawSettings.Sizes[3] = DrawSettings.Sizes[4] = -1.0;
  EXPECT_TRUE(OnLayer("VJ", kLayerCentres).empty());
  EXPECT_EQ(boxRows(), 0);
}

// The one-circle sample by Bishop after its run, with the circles its last redraw collected:
// sheet, frame, rulers, result box, soil table, centre and critical circle, layer by layer.
TEST_F(PlotFigure, CalculatedSampleMatchesItsGoldenPlot) {
  test::CalculateCircleSample("FIXEDCIRCLE");
  CollectSlipCircles();
  ASSERT_EQ(WritePlotFile(), 0);
  test::ExpectGoldenFile("plot_fixed_circle", kPlotFileName);
}

}  // namespace
}  // namespace selvana
