// Placing the figure's annotations through the editor: what each label command stores, the
// frame-band test on its very edge, and the circle list changing without marking the project.
#include <gtest/gtest.h>

#include "calc/results/consolidation.h"
#include "editing/editor_test_support.h"
#include "model/project_model.h"
#include "view/figure_frame.h"
#include "view/view_state.h"

namespace selvana {
namespace {

using C = MainCommand;

class AnnotationTest : public test::EditorFixture {
 protected:
  void SetUp() override {
    EditorFixture::SetUp();
    DrawSettings.ScaleDenominator = 100.0;  // the frame runs from about -19 m to 19 m
    DrawSettings.FrameCentreX = 0.0;
    DrawSettings.FrameCentreY = 0.0;
  }
};

TEST_F(AnnotationTest, TheTitleOnTheBandsRightEdgeIsDrawnAndOnePixelRightIsNot) {
  ComputeFigureFrame();
  const double edge = FigureFrame.BandRight;
  ViewState.OriginX = edge;  // the view's centre pixel lies exactly on the edge
  CalcStatus = 1;
  Run(C::Name);
  Click(edge, 0.0);
  EXPECT_EQ(1, DrawSettings.DrawTitle);
  EXPECT_EQ(edge, DrawSettings.TitlePosX);
  Click(edge + 1.0 / ViewState.Scale, 0.0);
  EXPECT_EQ(-1, DrawSettings.DrawTitle);
  EXPECT_GT(DrawSettings.TitlePosX, edge);  // stored all the same
  EXPECT_EQ(1100, MouseState.MouseMode);
  EXPECT_EQ(1, DataModified);
  EXPECT_EQ(1, CalcStatus);  // the results stay valid
}

TEST_F(AnnotationTest, LabelCommandsStoreTheirItemAndPlace) {
  struct Row {
    MainCommand command;
    int index;
    int mode;
    const char* prompt;
    const int* flag;
    int stored;
  };
  const DrawSettingsRecord& d = DrawSettings;
  cm.Surcharges.LoadAtXMin = {0.0, 10.0, 5.0, 0.0};  // a redraw switches off the labels of absent
  cm.Surcharges.LoadAtXMax = {0.0, 20.0, 8.0, 0.0};  // load sides
  const Row rows[] = {
      {C::K, 3, 1403, "上載荷重２(右)", &d.SurchargeLabelRight[1], 2},
      {C::K, 4, 1404, "上載荷重３(左)", &d.SurchargeLabelLeft[2], 1},
      {C::GL, 0, 1501, "水平外力１(中)", &d.ForceLabelPlace[0], 2},
      {C::GL, 1, 1504, "水平外力２(下)", &d.ForceLabelPlace[1], 2},
      {C::GB, 2, 1508, "水平外力３(後)", &d.ForceLabelPlace[2], 3},
      {C::GU, 1, 1503, "水平外力２(上)", &d.ForceLabelPlace[1], 1},
      {C::Y, 63, 3063, "受動土圧", &d.PileLabelMode[63], 1},
  };
  for (const Row& row : rows) {
    commands.Run(row.command, row.index);
    EXPECT_EQ(row.mode, MouseState.MouseMode);
    EXPECT_EQ(std::string(row.prompt) +
                  "を作図する位置をマウス(左)で指定してください。マウス(右)：取り消し",
              window.prompt);
    Click(2.0, 3.0);
    EXPECT_EQ(row.stored, *row.flag) << row.mode;
  }
  EXPECT_DOUBLE_EQ(2.0, d.SurchargeRightX[1]);
  EXPECT_DOUBLE_EQ(3.0, d.ForceLabelY[2]);
  commands.Run(C::Y, 64);  // no such item: nothing changes
  EXPECT_EQ(3063, MouseState.MouseMode);
  Click(100.0, 3.0);  // outside the frame: switched off
  EXPECT_EQ(-1, d.PileLabelMode[63]);
}

TEST_F(AnnotationTest, SoilLabelsOfWaterBlocksStoreTheWaterMode) {
  test::PutBlock(0, 1.0, 1.0);
  BlockTable[0].Kind = kBlockPressureWater;
  test::PutBlock(1, 5.0, 5.0);
  Run(C::DJTate);
  Click(1.0, 1.0);
  EXPECT_EQ(1301, MouseState.MouseMode);
  Click(2.0, 2.0);
  EXPECT_EQ(3, BlockTable[0].SoilLabelMode);
  Click(0.0, 0.0, MouseButton::Right);
  EXPECT_EQ(1300, MouseState.MouseMode);
  Click(5.0, 5.0);
  Click(6.0, 6.0);
  EXPECT_EQ(1, BlockTable[1].SoilLabelMode);
  Run(C::DJYoko);
  Click(5.0, 5.0);
  Click(6.0, 6.0);
  EXPECT_EQ(2, BlockTable[1].SoilLabelMode);
  EXPECT_DOUBLE_EQ(6.0, BlockTable[1].SoilLabelX);
}

TEST_F(AnnotationTest, CircleLabelsAndMarksLeaveTheProjectUnmodified) {
  CircleListCount = 2;
  CircleList[0] = CircleListEntry{};
  CircleList[0].CentreX = 1.0;
  CircleList[0].CentreY = 1.0;
  CircleList[1] = CircleList[0];
  CircleList[1].CentreX = 3.0;
  Run(C::Circ);
  Click(3.0, 1.2);
  EXPECT_EQ(1, CircleList[1].DrawMark);
  Click(3.0, 1.2);
  EXPECT_EQ(0, CircleList[1].DrawMark);
  Run(C::Anzen);
  Click(1.0, 1.0);
  EXPECT_EQ(1601, MouseState.MouseMode);
  Click(4.0, 2.0);
  EXPECT_EQ(1, CircleList[0].LabelFlag);
  EXPECT_DOUBLE_EQ(4.0, CircleList[0].LabelX);
  Click(4.0, 200.0);
  EXPECT_EQ(-1, CircleList[0].LabelFlag);
  Click(0.0, 0.0, MouseButton::Right);
  EXPECT_EQ(1600, MouseState.MouseMode);
  EXPECT_EQ(0, DataModified);
}

TEST_F(AnnotationTest, LineDrawFlagsFollowTheCommand) {
  test::PutPoints({{0.0, 0.0}, {4.0, 0.0}});
  test::PutLine(0, kLineBoundary, 0, 1);
  Run(C::LNotDraw);
  Click(2.0, 0.5);
  EXPECT_EQ(-1, LineTable[0].DrawFlag);
  Run(C::LDraw);
  Click(2.0, 0.5);
  EXPECT_EQ(1, LineTable[0].DrawFlag);
}

}  // namespace
}  // namespace selvana
