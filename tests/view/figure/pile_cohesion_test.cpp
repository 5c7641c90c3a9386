// The red sheet-pile layers and the yellow cohesion reference line on the recording canvas, and
// the guards every paper layer shares (a scale without paper) and the pile and line counts.
#include <gtest/gtest.h>

#include "calc/results/slip_result.h"
#include "model/project_model.h"
#include "view/figure/pile_layout.h"
#include "view/figure_frame.h"
#include "view/figure_layers.h"
#include "view/view_state.h"
#include "view/view_test_support.h"

namespace selvana::test {
namespace {

class PileCohesionTest : public ViewFixture {
 protected:
  void SetUp() override {
    ViewFixture::SetUp();
    ViewState.Scale = 2.0;  // 100 m x 50 m around (0, 0)
    DisplaySwitches.fill(1);
    ComputeFigureFrame();
    SheetPileSettings.PileX = 10.0;
    SheetPileSettings.TopElevation = 8.0;
    SheetPileSettings.EmbedmentElevation = -8.0;
    SheetPileSettings.RowCount = 3;
    SheetPileSettings.Elevation = {4.0, 0.0, -4.0};
    SheetPileSettings.Intensity = {0.0, 10.0, 20.0};
    DrawSettings.Sizes[8] = 2.0;   // 2 mm (0.2 m) per kN/m2
    DrawSettings.Sizes[1] = 50.0;  // 5 m, 10 px high
    DrawSettings.PileLabelMode[1] = 0;
    DrawSettings.PileLabelX[1] = 0.0, DrawSettings.PileLabelY[1] = 0.0;
    MinSlip.Direction = 1;  // bars point left
  }

  void DrawPileLayers() {
    DrawSheetPile(kRed);
    DrawSheetPilePressure(kRed);
    for (int i = 0; i < PileRowCount(); ++i) DrawSheetPilePressureLabel(i, kRed);
  }
};

// A pile 16 m long with rows of 0, 10 and 20 kN/m2 (the first a bar of no length), the middle
// row labelled; a cohesion polyline from x = 10 m joined to both edges of the view, then a level.
TEST_F(PileCohesionTest, PileAndCohesionLineMatchTheGolden) {
  DrawPileLayers();
  cm.CohesionRefMode = 1;
  cm.CohesionRefLine.Count = 3;
  cm.CohesionRefLine.X = {10.0, 20.0, 30.0};
  cm.CohesionRefLine.Y = {5.0, 0.0, 0.0};
  EXPECT_EQ(0, DrawCohesionRefLine(kYellow));
  cm.CohesionRefMode = 0;
  cm.CohesionRefHeight = -10.0;
  EXPECT_EQ(0, DrawCohesionRefLine(kYellow));
  ExpectGolden(canvas.Text(), "view/figure/pile_and_cohesion.txt");
}

TEST_F(PileCohesionTest, CountsBeyondTheTablesAreHeldToThem) {
  SheetPileSettings.RowCount = 100;
  EXPECT_EQ(kMaxPileRows, PileRowCount());
  EXPECT_EQ(-1, DrawSheetPilePressureLabel(kMaxPileRows, kRed));
  SheetPileSettings.RowCount = -5;
  EXPECT_EQ(0, PileRowCount());
  cm.CohesionRefMode = 1;
  cm.CohesionRefLine.Count = 1000;
  canvas.Clear();
  EXPECT_EQ(0, DrawCohesionRefLine(kYellow));
  EXPECT_LE(canvas.Calls().size(), static_cast<std::size_t>(kMaxCohesionVertices + 1));
  cm.CohesionRefLine.Count = 1;
  EXPECT_EQ(-1, DrawCohesionRefLine(kYellow)) << "one vertex is no line";
}

TEST_F(PileCohesionTest, APileWithoutLengthDrawsNothing) {
  for (const double toe : {8.0, 9.0}) {  // toe at the top, toe above the top
    SheetPileSettings.EmbedmentElevation = toe;
    canvas.Clear();
    DrawPileLayers();
    EXPECT_TRUE(canvas.Calls().empty()) << "toe " << toe;
  }
}

// At a scale of 1:0 there is no paper: every paper layer declines instead of dividing by zero.
TEST_F(PileCohesionTest, NoPaperLayerDrawsAtScaleZero) {
  CalcStatus = 1;
  DrawSettings.ScaleDenominator = 0.0;
  ComputeFigureFrame();
  canvas.Clear();
  EXPECT_EQ(-1, DrawFigureFrame(kLime));
  EXPECT_EQ(-1, DrawSurchargeLoad(0, 1, kLime));
  EXPECT_EQ(-1, DrawHorizontalForce(0, kLime));
  EXPECT_EQ(-1, DrawSlipCircles(kLime));
  EXPECT_EQ(-1, DrawCriticalCircle(kLime));
  EXPECT_EQ(-1, DrawSheetPilePressure(kRed));
  EXPECT_TRUE(canvas.Calls().empty());
}

}  // namespace
}  // namespace selvana::test
