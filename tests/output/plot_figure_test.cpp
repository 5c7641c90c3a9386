// The plot of the calculation figure, layer by layer, on an A3 sheet at 1:200 centred on
// (50, 20): frame 380 x 260 mm from model X 12 and Y -6, so paper x = 5 (X - 12) and
// y = 5 (Y + 6).
#include "output/plot_figure.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "calc/test_model_builder.h"
#include "model/project_model.h"
#include "output/output_test_support.h"
#include "support/calculated_sample.h"
#include "support/scratch_folder_test.h"
#include "view/figure/slip_layout.h"

namespace selvana {
namespace {

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
      const bool onLayer = code == "VJ" ? line.find(tail + ",") != std::string::npos
                                        : line.size() > tail.size() &&
                                              line.compare(line.size() - tail.size(), tail.size(),
                                                           tail) == 0;
      if (line.rfind(code, 0) == 0 && onLayer) found.push_back(line);
    }
    return found;
  }
};

TEST_F(PlotFigure, TerrainLinesAreCutAtTheBandsAndDrawnOnlyWhenMarked) {
  const int a = test::AddTestPoint(0, 20), b = test::AddTestPoint(40, 20);
  const int c = test::AddTestPoint(20, 45), d = test::AddTestPoint(40, 45);
  const int e = test::AddTestPoint(20, 10), f = test::AddTestPoint(30, 10);
  LineTable[test::AddTestLine(kLineBoundary, a, b)].DrawFlag = 1;  // across the left band
  LineTable[test::AddTestLine(kLineBoundary, c, d)].DrawFlag = 1;  // in the title band
  LineTable[test::AddTestLine(kLineBoundary, e, f)].DrawFlag = -1; // not marked for drawing
  EXPECT_EQ(OnLayer("DL", kLayerTerrain),
            std::vector<std::string>{"DL1000000,13000000,14000000,13000000,4"});
}

TEST_F(PlotFigure, PointsAreNumberedOnlyWhereTheNumberFitsInsideTheBands) {
  test::AddTestPoint(30, 20);     // numbered: left 90 - 0.75, bottom 130 + 0.6
  test::AddTestPoint(30, 43.5);   // inside, but its number would cross the title band
  test::AddTestPoint(11, 20);     // outside the bands
  EXPECT_EQ(OnLayer("VJ", kLayerPointNumbers),
            std::vector<std::string>{"VJ8925000,13060000,300000,300000,0,3,0"});
  DrawSettings.Sizes[7] = 0.0;
  EXPECT_TRUE(OnLayer("VJ", kLayerPointNumbers).empty());
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
