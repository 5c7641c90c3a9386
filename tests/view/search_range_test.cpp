// The search range of each method family on the main view, and the traced block outline.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/line_records.h"
#include "model/project_model.h"
#include "view/model_entities.h"
#include "view/search_range.h"
#include "view/view_state.h"
#include "view_test_support.h"

namespace selvana::test {
namespace {

class SearchRangeTest : public ViewFixture {
 protected:
  void SetUp() override {
    ViewFixture::SetUp();
    ViewState.Scale = 2.0;
  }
};

TEST_F(SearchRangeTest, CentreGridFromZeroToTenByTwoHasSixLinesEachWay) {
  cm.kt = kMethodBishop;
  BishopCircleSettings.CentreX = {0.0, 10.0, 2.0, 0.0};
  BishopCircleSettings.CentreY = {0.0, 10.0, 2.0, 0.0};
  EXPECT_EQ(DrawSlipSearchRange(kBlue), 0);
  // Six verticals from the screen y of min Y (50) to that of max Y (30), then six horizontals.
  EXPECT_EQ(canvas.Calls().size(), 12u);
  EXPECT_EQ(canvas.Calls().front(), "line 100 50 100 30 #0000FF w1 solid copy");
  EXPECT_EQ(canvas.Calls()[6], "line 100 30 120 30 #0000FF w1 solid copy");  // from max Y down
}

TEST_F(SearchRangeTest, AGridWithoutPitchIsRefusedAndTheSwitchGatesEverything) {
  cm.kt = kMethodFellenius;
  FelleniusCircleSettings.CentreX = {0.0, 10.0, 0.0, 0.0};
  FelleniusCircleSettings.CentreY = {0.0, 10.0, 1.0, 0.0};
  EXPECT_EQ(DrawSlipSearchRange(kBlue), -1);
  DisplaySwitches[kShowCircleCentres] = 0;
  EXPECT_EQ(DrawSlipSearchRange(kBlue), 1);
  EXPECT_TRUE(canvas.Calls().empty());
}

// Far from the origin a pitch no longer moves the value: one line each way, not a long loop.
TEST_F(SearchRangeTest, APitchLostInRoundingDrawsOneLineEachWay) {
  cm.kt = kMethodFellenius;
  FelleniusCircleSettings.CentreX = {1e20, 2e20, 1.0, 0.0};
  FelleniusCircleSettings.CentreY = {1e20, 2e20, 1.0, 0.0};
  EXPECT_EQ(DrawSlipSearchRange(kBlue), 0);
  EXPECT_EQ(canvas.Calls().size(), 2u);
}

TEST_F(SearchRangeTest, StartPointIsMarkedByTwoCircles) {
  cm.kt = kMethodLineFromPoint;
  StraightSlipSettings.PointX[0] = 5.0;
  EXPECT_EQ(DrawSlipSearchRange(kBlue), 0);
  const std::vector<std::string> expected = {"ellipse 107 47 113 53 #0000FF w1 solid copy",
                                             "ellipse 105 45 115 55 #0000FF w1 solid copy"};
  EXPECT_EQ(canvas.Calls(), expected);
}

TEST_F(SearchRangeTest, StartAndEndSegmentsAreThreeAndFivePixelsWide) {
  cm.kt = kMethodLineBetweenSegments;
  StraightSlipSettings.PointX = {0.0, 5.0, 10.0, 15.0};
  StraightSlipSettings.PointY = {0.0, 0.0, 5.0, 5.0};
  EXPECT_EQ(DrawSlipSearchRange(kBlue), 0);
  const std::vector<std::string> expected = {"line 100 50 110 50 #0000FF w3 solid copy",
                                             "line 120 40 130 40 #0000FF w5 solid copy"};
  EXPECT_EQ(canvas.Calls(), expected);
}

TEST_F(SearchRangeTest, BlockOutlineIsClosedFromItsLastPoint) {
  PointTable[0] = {0, 0.0, 0.0};
  PointTable[1] = {1, 10.0, 0.0};
  PointTable[2] = {2, 10.0, 10.0};
  PointCount = 3;
  BlockOutline.Count = 3;
  BlockOutline.Points[0] = 0;
  BlockOutline.Points[1] = 1;
  BlockOutline.Points[2] = 2;
  EXPECT_EQ(DrawBlockOutline(kYellow), 0);
  const std::vector<std::string> expected = {"line 120 30 100 50 #FFFF00 w1 solid copy",
                                             "line 100 50 120 50 #FFFF00 w1 solid copy",
                                             "line 120 50 120 30 #FFFF00 w1 solid copy"};
  EXPECT_EQ(canvas.Calls(), expected);
}

}  // namespace
}  // namespace selvana::test
