// The calculation figure of the sample projects after their calculation, recorded on the canvas
// and compared with golden files; and a redraw with partial factors on leaves the
// model exactly as the user set it.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "model/project_file.h"
#include "model/project_model.h"
#include "platform/file_lookup.h"
#include "support/calculated_sample.h"
#include "support/temp_folder.h"
#include "view/redraw_view.h"
#include "view/view_fitting.h"
#include "view/view_test_support.h"

namespace selvana::test {
namespace {

class SampleFigureTest : public ViewFixture {
 protected:
  SampleFigureTest() : ViewFixture(1200, 800) {}
  void SetUp() override {
    ViewFixture::SetUp();
    previous_ = CurrentDirectory();
    ASSERT_TRUE(ChangeDirectory(folder_.path()));
  }
  void TearDown() override {
    ChangeDirectory(previous_);
    ViewFixture::TearDown();
  }

 private:
  std::string previous_;
  TempFolder folder_;
};

// Frame, rulers, title, result box with Fmin, the listed centres with their safety factors and
// the critical circle, as the view shows them after the run: a searched slope by Fellenius and
// one fixed circle by Bishop.
TEST_F(SampleFigureTest, CalculatedSamplesDrawTheWholeFigure) {
  for (const std::string name : {"HOMOGENEOUS", "FIXEDCIRCLE"}) {
    ResetProjectData();
    OpenProject();
    CalculateCircleSample(name);
    FitViewToModel();
    canvas.Clear();
    EXPECT_EQ(0, RedrawView(kRedrawModel)) << name;
    ExpectGolden(canvas.Text(), "view/figure/" + name + "_figure.txt");
  }
}

// The drawing menus settle the label switches at the first redraw; after that a redraw with
// every layer on and factors of 1.3 must leave every saved byte as it was.
TEST_F(SampleFigureTest, RedrawWithPartialFactorsLeavesTheModelAsItWas) {
  CalculateCircleSample("HOMOGENEOUS");
  PartialFactors.Enabled = 1;
  PartialFactors.Factor.fill(1.3);
  DisplaySwitches.fill(1);
  DisplaySwitches[kShowAutoSwitch] = 0;
  RedrawView(kRedrawModel);
  const auto saved = [] {
    EXPECT_EQ(0, WriteProjectFile("MODEL"));
    std::ifstream in("MODEL.SDW", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  };
  const std::string before = saved();
  RedrawView(kRedrawModel);
  EXPECT_FALSE(before.empty());
  EXPECT_TRUE(before == saved()) << "the redraw changed the model";
}

// Decimals typed without bound into the drawing settings: a label shows at most 20 of them, so
// a count of ten thousand draws the figure of 20 instead of labels ten thousand digits long.
TEST_F(SampleFigureTest, DecimalsBeyondTwentyDrawTheFigureOfTwenty) {
  CalculateCircleSample("HOMOGENEOUS");
  DisplaySwitches.fill(1);
  DisplaySwitches[kShowAutoSwitch] = 0;
  const auto figure = [this](int decimals) {
    DrawSettings.Decimals.fill(decimals);
    canvas.Clear();
    RedrawView(kRedrawModel);
    return canvas.Text();
  };
  const std::string twenty = figure(20);
  EXPECT_NE(twenty, figure(3));
  EXPECT_TRUE(figure(10000) == twenty);
}

}  // namespace
}  // namespace selvana::test
