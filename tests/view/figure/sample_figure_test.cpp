// The calculation figure of the homogeneous sample project after its calculation, recorded on
// the canvas and compared with a golden file; and a redraw with partial factors on leaves the
// model exactly as the user set it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "calc/results/consolidation.h"
#include "calc/progress/headless.h"
#include "calc/run_entry.h"
#include "model/project_file.h"
#include "model/project_model.h"
#include "platform/file_lookup.h"
#include "support/scripted_message_box.h"
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
    std::filesystem::copy_file(std::filesystem::path(SELVANA_SAMPLES) / "HOMOGENEOUS.SDW",
                               "HOMOGENEOUS.SDW");
    ASSERT_EQ(0, ReadProjectFile("HOMOGENEOUS"));
  }
  void TearDown() override {
    ChangeDirectory(previous_);
    ViewFixture::TearDown();
  }
  static void Calculate() {
    ScriptedMessageBox box;
    box.ExpectPrefix("計算：正常終了しました。判定(1.", "終わり");
    HeadlessProgress progress;
    ASSERT_EQ(0, RunCircleCalcFellenius(progress));
    ConsolidateResults();
  }

 private:
  std::string previous_;
  TempFolder folder_;
};

// Frame, rulers, title, result box with Fmin, soil labels, the listed centres with their safety
// factors and the critical circle, as the view shows them after the run.
TEST_F(SampleFigureTest, CalculatedSampleDrawsTheWholeFigure) {
  Calculate();
  FitViewToModel();
  canvas.Clear();
  EXPECT_EQ(0, RedrawView(kRedrawModel));
  ExpectGolden(canvas.Text(), "figure/homogeneous_sample.txt");
}

// The drawing menus settle the label switches at the first redraw; after that a redraw with
// every layer on and factors of 1.3 must leave every saved byte as it was.
TEST_F(SampleFigureTest, RedrawWithPartialFactorsLeavesTheModelAsItWas) {
  PartialFactors.Enabled = 1;
  PartialFactors.Factor.fill(1.3);
  Calculate();
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

}  // namespace
}  // namespace selvana::test
