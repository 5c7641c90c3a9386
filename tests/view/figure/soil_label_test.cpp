// Soil labels: which lines show (unit weights, zero cohesion and friction, sand piles by method),
// the column, one-line, water and table layouts, and the guards of the layer.
#include <gtest/gtest.h>

#include <functional>

#include "figure_test_support.h"
#include "model/partial_factors.h"
#include "model/project_model.h"
#include "platform/recording_canvas.h"
#include "view/figure/soil_label_layout.h"
#include "view/figure_frame.h"
#include "view/figure_layers.h"
#include "view/view_ports.h"
#include "view/view_state.h"
#include "view/view_test_support.h"

namespace selvana::test {
namespace {

using SoilLabelTest = FigureFixture;

struct LabelCase {
  const char* name;
  std::function<void(BlockRecord&)> set;
};

// Every case starts from a block with γt = γt' = 18, C0 10, φ 30, a column label at (5, 15).
const LabelCase kLabelCases[] = {
    {"equal unit weights, no seismic coefficient: the γt line only", [](BlockRecord&) {}},
    {"submerged weight differs: the γt' line only",
     [](BlockRecord& b) { b.EffectiveUnitWeight = 8.0; }},
    {"with a seismic coefficient both, on one line",
     [](BlockRecord& b) {
       b.EffectiveUnitWeight = 8.0, b.SoilLabelMode = 2;
       cm.SeismicCoefficient = 0.15;
     }},
    {"zero K, C0 and φ shown by the switch",
     [](BlockRecord& b) { b.Cohesion = 0.0, b.FrictionAngle = 0.0; }},
    {"zero K, C0 and φ hidden without the switch",
     [](BlockRecord& b) {
       b.Cohesion = 0.0, b.FrictionAngle = 0.0;
       DrawSettings.DrawZeroCPhi = 0;
     }},
    {"K and C0", [](BlockRecord& b) { b.CohesionGradient = 1.5; }},
    {"K and a negative C0", [](BlockRecord& b) { b.CohesionGradient = 1.5, b.Cohesion = -5.0; }},
    {"K only", [](BlockRecord& b) { b.CohesionGradient = 1.5, b.Cohesion = 0.0; }},
    {"sand pile under method 0 by formula 2, one line",
     [](BlockRecord& b) {
       b.ReplacementRatio = 0.3, b.StressRatio = 3.0, b.PileUnitWeight = 19.0;
       b.PileFrictionAngle = 35.0, b.SoilLabelMode = 2;
       cm.SandPileFormula = 2;
     }},
    {"sand pile under method 0, column",
     [](BlockRecord& b) {
       b.ReplacementRatio = 0.3, b.StressRatio = 3.0, b.PileUnitWeight = 19.0;
       b.PileFrictionAngle = 35.0;
     }},
    {"sand pile under method 2: not shown",
     [](BlockRecord& b) {
       b.ReplacementRatio = 0.3;
       cm.kt = kMethodBishop;
     }},
    {"water symbol", [](BlockRecord& b) { b.SoilLabelMode = 3; }},
    {"soil table: the number only", [](BlockRecord&) { DrawSettings.SoilTableMode() = -1.0; }},
};

TEST_F(SoilLabelTest, LinesAndLayoutsMatchTheGolden) {
  std::string dump;
  for (const LabelCase& c : kLabelCases) {
    ResetProjectData();
    UseA4(100.0);
    BlockRecord& b = Block(7, 5.0, 5.0);
    b.UnitWeight = b.EffectiveUnitWeight = 18.0;
    b.Cohesion = 10.0, b.FrictionAngle = 30.0;
    b.SoilLabelMode = 1, b.SoilLabelX = 5.0, b.SoilLabelY = 15.0;
    c.set(b);
    FigureLayout layout;
    EXPECT_EQ(0, LayoutSoilLabel(7, layout)) << c.name;
    dump += std::string("# ") + c.name + "\n" + DumpLayout(layout);
  }
  ExpectGolden(dump, "view/figure/soil_labels.txt");
}

// The label is drawn from the design values: a cohesion factor of 0.5 shows C0 10 as 5.000,
// and the model keeps 10 afterwards.
TEST_F(SoilLabelTest, LabelShowsFactoredValues) {
  RecordingCanvas canvas(2000, 2000);
  ViewPorts.Image = &canvas;
  ViewState.Scale = 100.0;  // 4 mm at 1:100 is 40 px
  DisplaySwitches[kShowSoilInfo] = 1;
  BlockRecord& b = Block(0, 0.0, 0.0);
  b.UnitWeight = b.EffectiveUnitWeight = 18.0, b.Cohesion = 10.0, b.SoilLabelMode = 1;
  PartialFactors.Enabled = 1;
  PartialFactors.Factor.fill(1.0);
  PartialFactors.Factor[kFactorCohesion] = 0.5;
  ASSERT_EQ(0, DrawSoilLabels(0, kLime));
  std::string drawn;
  for (const std::string& call : canvas.Calls()) {
    const auto open = call.find('"'), close = call.rfind('"');
    if (call.rfind("text", 0) == 0) drawn += call.substr(open + 1, close - open - 1);
  }
  EXPECT_NE(std::string::npos, drawn.find("= 5.000 kN/m2")) << drawn;
  EXPECT_EQ(10.0, BlockTable[0].Cohesion);
  ViewPorts = MainViewPorts{};
}

TEST_F(SoilLabelTest, GuardsOfTheLayer) {
  RecordingCanvas canvas(100, 100);
  ViewPorts.Image = &canvas;
  DisplaySwitches[kShowSoilInfo] = 1;
  Block(0, 0.0, 0.0).SoilLabelMode = 1;
  Block(1, 0.0, 0.0).Number = -1;
  Block(2, 0.0, 0.0).SoilLabelMode = -1;
  EXPECT_EQ(0, DrawSoilLabels(0, kLime));
  EXPECT_EQ(-1, DrawSoilLabels(1, kLime)) << "free slot";
  EXPECT_EQ(-1, DrawSoilLabels(2, kLime)) << "no label";
  EXPECT_EQ(-1, DrawSoilLabels(kMaxBlocks, kLime)) << "past the table";
  DrawSettings.Sizes[1] = 0.0;
  EXPECT_EQ(-1, DrawSoilLabels(0, kLime)) << "a text height of 0 switches labels off";
  DrawSettings.Sizes[1] = 4.0;
  DrawSettings.ScaleDenominator = 0.0;
  ComputeFigureFrame();
  EXPECT_EQ(-1, DrawSoilLabels(0, kLime)) << "no paper at scale 1:0";
  DisplaySwitches[kShowSoilInfo] = 0;
  EXPECT_EQ(1, DrawSoilLabels(0, kLime));
  ViewPorts = MainViewPorts{};
}

}  // namespace
}  // namespace selvana::test
