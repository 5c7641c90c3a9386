// The view commands and rectangle modes: zoom rectangles, the circle-centre rectangle, and an
// area zoom in the middle of an operation, after which the operation goes on.
#include "editing/view_commands.h"

#include <gtest/gtest.h>

#include <functional>

#include "editing/editor_test_support.h"
#include "model/project_model.h"
#include "view/view_state.h"

namespace selvana {
namespace {

using C = MainCommand;

class ViewCommandsTest : public test::EditorFixture {
 protected:
  // Drags a rectangle between two screen pixels.
  void Rectangle(int x1, int y1, int x2, int y2) {
    editor.MouseDown({x1, y1, MouseButton::Left});
    editor.MouseMove({x2, y2});
    editor.MouseDown({x2, y2, MouseButton::Left});
  }
};

TEST_F(ViewCommandsTest, ZoomRectanglesSetScaleAndOrigin) {
  struct Case {
    const char* name;
    C command;
    int x1, y1, x2, y2;
    double scale;  // expected, from 50 px/m
  };
  const Case cases[] = {
      // 2 m x 1 m at 50 px/m in a 400 px view: the width decides, with 20 % margin.
      {"in", C::AreaBig, 200, 200, 300, 250, 400 / (2.0 * 1.2)},
      // Half the view from its centre: about the old scale over 1.2.
      {"out", C::AreaSmall, 200, 200, 400, 400, 50 / 1.2},
      {"in, zero height: the width decides", C::AreaBig, 200, 200, 300, 200, 400 / (2.0 * 1.2)},
      {"out, zero width: the height decides", C::AreaSmall, 200, 200, 200, 300, 50 * 0.5 / 1.2},
      {"in, a point: scale kept", C::AreaBig, 200, 200, 200, 200, 50.0},
  };
  for (const Case& c : cases) {
    ResetViewState();
    Run(c.command);
    Rectangle(c.x1, c.y1, c.x2, c.y2);
    EXPECT_NEAR(c.scale, ViewState.Scale, 1e-9) << c.name;
    EXPECT_DOUBLE_EQ((c.x1 + c.x2) / 2.0 / 50.0 - 4.0, ViewState.OriginX) << c.name;
    EXPECT_EQ(0, MouseState.MouseMode) << c.name;
    EXPECT_EQ(kIdlePrompt, window.prompt);
  }
  EXPECT_TRUE(horizontal.Enabled());
}

TEST_F(ViewCommandsTest, FixedZoomsKeepTheOriginAndRoundTheScaleOnce) {
  ViewState.OriginX = 3.0;
  Run(C::ZoomOut);
  EXPECT_EQ(100.0 / 3.0, ViewState.Scale);  // 50 x 2/3, not 50 x 0.66666666666666663
  Run(C::ZoomIn);
  EXPECT_EQ(50.0, ViewState.Scale);
  EXPECT_EQ(3.0, ViewState.OriginX);
}

TEST_F(ViewCommandsTest, CentreRectangleRoundsToThePitches) {
  FelleniusCircleSettings.CentreX = {0.0, 0.0, 1.0, 0.0};
  FelleniusCircleSettings.CentreY = {0.0, 0.0, 1.0, 0.0};
  BishopCircleSettings.CentreX = {0.0, 0.0, 0.0004, 0.0};  // below 1 mm: not rounded to
  BishopCircleSettings.CentreY = {0.0, 0.0, 1.0, 0.0};
  ViewState.OriginX = 12.0;
  ViewState.OriginY = 5.0;
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  ModelToScreen(10.4, 3.6, x1, y1);
  ModelToScreen(14.6, 7.4, x2, y2);
  Run(C::CenSet);
  EXPECT_EQ(4000, MouseState.MouseMode);
  Rectangle(x1, y1, x2, y2);
  EXPECT_EQ((std::array<double, 4>{10.0, 15.0, 1.0, 0.0}), FelleniusCircleSettings.CentreX);
  EXPECT_EQ((std::array<double, 4>{4.0, 7.0, 1.0, 0.0}), FelleniusCircleSettings.CentreY);
  EXPECT_EQ(1, DataModified);
  EXPECT_EQ(50.0, ViewState.Scale);
  cm.kt = kMethodBishop;
  Run(C::CenSet);
  Rectangle(x1, y1, x2, y2);
  EXPECT_NEAR(10.4, BishopCircleSettings.CentreX[0], 0.02);
}

TEST_F(ViewCommandsTest, TheCentreRectangleKeepsItsFirstCornerAcrossViewChanges) {
  struct Case {
    const char* name;
    std::function<void()> between;  // what the user does between the two corners
  };
  const Case cases[] = {
      {"zoom in", [&] { Run(C::ZoomIn); }},
      {"zoom out", [&] { Run(C::ZoomOut); }},
      {"scroll",
       [&] {
         horizontal.Place(-100, 100, 13);
         ScrollBar1Change();
       }},
      {"fit", [&] { Run(C::AllShow); }},
      {"area zoom",
       [&] {
         Run(C::AreaBig);
         Rectangle(120, 120, 320, 320);
       }},
  };
  test::PutPoints({{0.0, 0.0}, {24.0, 10.0}});             // what the fit shows
  BishopCircleSettings.CentreX = {0.0, 0.0, 0.0004, 0.0};  // pitches below 1 mm: no rounding
  BishopCircleSettings.CentreY = {0.0, 0.0, 0.0004, 0.0};
  cm.kt = kMethodBishop;
  for (const Case& c : cases) {
    ResetViewState();
    ViewState.OriginX = 12.0;
    ViewState.OriginY = 5.0;
    Run(C::CenSet);
    int x = 0, y = 0;
    ModelToScreen(10.4, 3.6, x, y);
    double firstX = 0.0, firstY = 0.0;  // the first corner as the click gives it
    ScreenToModel(x, y, firstX, firstY);
    editor.MouseDown({x, y, MouseButton::Left});
    c.between();
    ASSERT_EQ(4001, MouseState.MouseMode) << c.name;
    ModelToScreen(firstX, firstY, x, y);
    EXPECT_EQ(x, MouseState.AnchorX) << c.name << ": the rubber band starts at the corner";
    EXPECT_EQ(y, MouseState.AnchorY) << c.name;
    Move(14.6, 7.4);
    Click(14.6, 7.4);
    const double pixel = 1.0 / ViewState.Scale;  // the second corner is a pixel's position
    const CircleSearchSettings& s = BishopCircleSettings;
    EXPECT_DOUBLE_EQ(firstX, s.CentreX[0]) << c.name;
    EXPECT_NEAR(14.6, s.CentreX[1], pixel) << c.name;
    EXPECT_DOUBLE_EQ(firstY, s.CentreY[0]) << c.name;
    EXPECT_NEAR(7.4, s.CentreY[1], pixel) << c.name;
  }
}

TEST_F(ViewCommandsTest, TheCentreRectangleSetsTheCirclesOfTheMethodInUse) {
  for (int kt = kMethodFellenius; kt <= kMethodLineBetweenSegments; ++kt) {
    FelleniusCircleSettings.CentreX = BishopCircleSettings.CentreX = {0.0, 0.0, 1.0, 0.0};
    FelleniusCircleSettings.CentreY = BishopCircleSettings.CentreY = {0.0, 0.0, 1.0, 0.0};
    Run(C::CenSet);
    cm.kt = kt;  // changed while the rectangle is drawn
    Click(1.0, 1.0);
    Click(2.0, 3.0);
    const bool fellenius = kt == kMethodFellenius || kt == kMethodTschebotarioff;
    const CircleSearchSettings& set = fellenius ? FelleniusCircleSettings : BishopCircleSettings;
    const CircleSearchSettings& kept = fellenius ? BishopCircleSettings : FelleniusCircleSettings;
    EXPECT_EQ(2.0, set.CentreX[1]) << "method " << kt;
    EXPECT_EQ(3.0, set.CentreY[1]) << "method " << kt;
    EXPECT_EQ(0.0, kept.CentreX[1]) << "method " << kt;
  }
}

TEST_F(ViewCommandsTest, AnAreaZoomInsideAnOperationLetsItGoOn) {
  test::PutPoints({{0.0, 0.0}, {1.0, 0.0}});
  Ask("点を移動してよろしいですか？", {MsgAnswer::Yes});
  Run(C::PMove);
  Click(0.0, 0.0);
  Click(-1.0, 1.0);
  Run(C::AreaBig);
  EXPECT_EQ(101, MouseState.MouseMode);
  Rectangle(0, 0, 200, 200);
  EXPECT_EQ(211, MouseState.MouseMode);  // back in the move, the point still dragged
  EXPECT_EQ(kIdlePrompt, window.prompt);
  RightClick();
  EXPECT_EQ(1, DataModified);
  EXPECT_NEAR(-1.0, PointTable[0].X, 0.021);  // a pixel is 0.02 m

  // A chain interrupted by a zoom cancelled at its first corner goes on from its start point.
  Run(C::LAddK);
  Click(-1.0, 1.0);
  Run(C::AreaSmall);
  RightClick();
  EXPECT_EQ(511, MouseState.MouseMode);
  Click(1.0, 0.0);
  EXPECT_EQ(1, LineCount);
}

TEST_F(ViewCommandsTest, ScrollingRedrawsTheHighlightAndRestartsTheRubberBand) {
  test::PutPoint(0, 1.0, 1.0);
  Run(C::LAddK);
  Click(1.0, 1.0);
  horizontal.Place(-100, 100, 2);
  canvas.Clear();
  ScrollBar1Change();
  EXPECT_DOUBLE_EQ(2.0, ViewState.OriginX);
  EXPECT_EQ(151, MouseState.AnchorX);  // the point's new screen position
  EXPECT_EQ(MouseState.AnchorX, MouseState.CurrentX);
  EXPECT_NE(std::string::npos, canvas.Text().find("#FFFF00")) << canvas.Text();
}

}  // namespace
}  // namespace selvana
