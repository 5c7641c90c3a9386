// The mouse editor's state machine with the point and line operations: every first step ends on
// the other button, additions reuse free slots and refuse full tables, No changes nothing, and
// an unconfirmed move never outlives its operation.
#include "editing/mouse_editor.h"

#include <gtest/gtest.h>

#include <functional>

#include "editing/editor_test_support.h"
#include "editing/mouse_modes.h"
#include "forms/point_input_form.h"
#include "forms/table_editor_form.h"
#include "model/project_model.h"
#include "support/memory_grid.h"

namespace selvana {
namespace {

using test::PutLine;
using test::PutPoint;
using test::PutPoints;
using C = MainCommand;

bool SamePoints(const std::array<PointRecord, kMaxPoints>& a) {
  for (int i = 0; i < kMaxPoints; ++i) {
    if (a[i].Id != PointTable[i].Id || a[i].X != PointTable[i].X || a[i].Y != PointTable[i].Y) {
      return false;
    }
  }
  return true;
}

class MouseEditorTest : public test::EditorFixture {};

TEST_F(MouseEditorTest, OtherButtonInEveryFirstStepGoesIdleAndHidesXY) {
  for (const ModeCommand& command : ModeCommands()) {
    Run(command.Command);
    EXPECT_EQ(command.Mode, MouseState.MouseMode) << MainCommandName(command.Command);
    EXPECT_EQ(command.Prompt, window.prompt);
    EXPECT_EQ(command.Mode == 200, window.xyVisible) << MainCommandName(command.Command);
    Click(1.0, 1.0, command.Mode % 2 ? MouseButton::Middle : MouseButton::Right);
    EXPECT_EQ(0, MouseState.MouseMode) << MainCommandName(command.Command);
    EXPECT_EQ(kIdlePrompt, window.prompt);
    EXPECT_FALSE(window.xyVisible);
  }
  Run(C::LDelG);
  EXPECT_EQ("削除する円弧制限点(大)をマウス(左)で選択してください。マウス(右)：取り消し",
            window.prompt);
}

TEST_F(MouseEditorTest, AddedPointReusesAFreeSlotAndNoChangesNothing) {
  PutPoint(0, 0.0, 0.0);
  PutPoint(2, 2.0, 0.0);  // slot 1 is free
  Ask("点を追加してよろしいですか？", {MsgAnswer::No, MsgAnswer::Yes});
  Run(C::PAdd);
  const auto before = PointTable;
  Click(1.0, 1.0);
  EXPECT_TRUE(SamePoints(before));
  EXPECT_EQ(0, DataModified);
  Click(1.0, 1.0);
  EXPECT_EQ(1, PointTable[1].Id);
  EXPECT_DOUBLE_EQ(1.0, PointTable[1].X);
  EXPECT_EQ(3, PointCount);
  EXPECT_EQ(1, DataModified);
  Click(1.0, 1.0);  // onto an existing point: silently nothing
  EXPECT_EQ(200, MouseState.MouseMode);
}

TEST_F(MouseEditorTest, AdditionsToAFullTableAreRefused) {
  for (int i = 0; i < kMaxPoints; ++i) PutPoint(i, 0.001 * i - 3.0, -3.0);
  for (int i = 0; i < kMaxLines; ++i) PutLine(i, kLineUncut, i, (i + 1) % kMaxPoints);
  Ask("点の数が上限(1024)に達しているため、追加できません。");
  Ask("線分の数が上限(1024)に達しているため、追加できません。", {MsgAnswer::Ok, MsgAnswer::Ok});
  Run(C::PAdd);
  Click(1.0, 1.0);
  Run(C::LAddL);
  Click(-3.0, -3.0);
  Run(C::LAddK);
  Click(-3.0, -3.0);
  Click(-2.0, -3.0);
  EXPECT_EQ(kMaxPoints, PointCount);
  EXPECT_EQ(0, DataModified);
}

TEST_F(MouseEditorTest, DeletingAPointDeletesItsLinesOfEveryKind) {
  PutPoints({{0.0, 0.0}, {2.0, 0.0}, {2.0, 2.0}});
  for (int kind = kLineBoundary; kind <= kLineResidualWater; ++kind) {
    PutLine(kind - 1, kind, kind % 2 ? 0 : 1, kind >= 5 && kind <= 6 ? 1 : 2);
  }
  PutLine(7, kLineBoundary, 0, 2);  // does not end on point 1
  Ask("点を削除してよろしいですか？(関連する線分も削除されます)", {MsgAnswer::Yes});
  Run(C::PDel);
  Click(1.9, 0.1);
  EXPECT_EQ(-1, PointTable[1].Id);
  for (int i = 0; i < 7; ++i) {
    const bool onPoint = LineTable[i].P1 == 1 || LineTable[i].P2 == 1;
    EXPECT_EQ(onPoint ? kLineFree : i + 1, LineTable[i].Kind) << "line " << i;
  }
  EXPECT_EQ(kLineBoundary, LineTable[7].Kind);
  EXPECT_EQ(3, PointCount);  // not lowered
}

TEST_F(MouseEditorTest, AThreeClickChainAddsTwoLinesAndGoesOn) {
  PutPoints({{0.0, 0.0}, {1.0, 0.0}, {2.0, 1.0}});
  Run(C::LAddK);
  Click(0.1, 0.1);
  EXPECT_EQ(511, MouseState.MouseMode);
  EXPECT_EQ("追加する境界線の終点をマウス(左)で選択してください。マウス(右)：取り消し",
            window.prompt);
  Click(1.1, 0.1);
  Click(2.0, 0.9);
  Click(2.0, 0.9);  // the chain's own end: ignored
  EXPECT_EQ(2, LineCount);
  EXPECT_EQ((std::array<int, 3>{kLineBoundary, 1, 2}),
            (std::array{LineTable[1].Kind, LineTable[1].P1, LineTable[1].P2}));
  EXPECT_EQ(2, MouseState.SelectedIndex);
  RightClick();
  EXPECT_EQ(501, MouseState.MouseMode);
  EXPECT_EQ("追加する境界線の始点をマウス(左)で選択してください。マウス(右)：取り消し",
            window.prompt);
}

TEST_F(MouseEditorTest, ALevelArcLimitAndPointLimitsEndTheirMode) {
  PutPoint(0, 0.0, 0.0);
  Run(C::LAddS);
  Click(0.0, 0.0);
  Click(0.0, 0.0);  // second click on the start: a level limit line, then idle
  EXPECT_EQ((std::array<int, 3>{kLineSmallArcLimit, 0, 0}),
            (std::array{LineTable[0].Kind, LineTable[0].P1, LineTable[0].P2}));
  EXPECT_EQ(0, MouseState.MouseMode);
  Ask("円弧制限点(大)を追加してよろしいですか？", {MsgAnswer::Yes});
  Ask("指定した円弧制限点(大)を削除してしてよろしいですか？", {MsgAnswer::No});
  Ask("指定した残留水位線を削除してしてよろしいですか？", {MsgAnswer::Yes});
  Run(C::LAddG);
  Click(0.0, 0.0);
  EXPECT_EQ(kLineLargeArcLimitPoint, LineTable[1].Kind);
  EXPECT_EQ(0, MouseState.MouseMode);
  Run(C::LAddG);
  Click(0.0, 0.0);  // already there: nothing asked, the mode stays
  EXPECT_EQ(506, MouseState.MouseMode);
  Run(C::LDelG);
  Click(3.0, 3.0);
  EXPECT_EQ(kLineLargeArcLimitPoint, LineTable[1].Kind);
  PutPoint(1, 2.0, 0.0);
  PutLine(2, kLineResidualWater, 0, 1);
  Run(C::LDelZ);
  Click(1.0, 3.0);
  EXPECT_EQ(kLineFree, LineTable[2].Kind);
}

TEST_F(MouseEditorTest, AnUnconfirmedMoveIsUndoneByAnotherCommandButKeptByTheView) {
  PutPoint(0, 0.0, 0.0);
  bool saved = false;
  commands.Set(C::Save, [&saved](int) { saved = PointTable[0].X == 0.0; });
  Run(C::PMove);
  Click(0.1, 0.1);
  Click(1.0, 1.0);
  EXPECT_DOUBLE_EQ(1.0, PointTable[0].X);
  Run(C::ZoomIn);
  Run(C::AreaBig);
  EXPECT_DOUBLE_EQ(1.0, PointTable[0].X);  // the view keeps it
  Run(C::AreaSmall);  // replaces the saved operation, which gives its change up
  EXPECT_DOUBLE_EQ(0.0, PointTable[0].X);
  PointTable[0].X = 1.0;
  MouseState = SavedMouseState = {211, 0, 0, 0, 0, 0, -1, -1, 1, 0.0, 0.0};
  Run(C::Save);
  EXPECT_TRUE(saved);  // the save saw the point where it was picked
  EXPECT_EQ(0, DataModified);
}

TEST_F(MouseEditorTest, AMoveWhosePointACommandFreedOrReplacedGoesBackToPickingAPoint) {
  for (const bool replaced : {false, true}) {
    commands.Set(C::XYEdit, [replaced](int) {
      if (replaced) {
        PutPoint(0, 3.0, 0.0);  // another point in the slot, as an import leaves it
      } else {
        StorePointRows(test::MemoryGrid());  // every row emptied
      }
    });
    for (const bool zoomed : {false, true}) {
      SCOPED_TRACE(testing::Message() << "replaced " << replaced << ", zoomed " << zoomed);
      PutPoint(0, 0.0, 0.0);
      Run(C::PMove);
      Click(0.0, 0.0);
      if (zoomed) Run(C::AreaBig);
      Run(C::XYEdit);
      if (zoomed) RightClick();  // the zoom ends and gives the move back
      EXPECT_EQ(210, MouseState.MouseMode);
      EXPECT_EQ(std::string(zoomed ? kIdlePrompt : CommandPrompt(210)), window.prompt);
      if (!replaced) Click(1.0, 1.0);
      RightClick();  // no "点を移動してよろしいですか？" for a point that is gone
      EXPECT_EQ(0, MouseState.MouseMode);
    }
  }
}

TEST_F(MouseEditorTest, TheXYButtonStoresOnlyWhileAddingOrMovingAPoint) {
  PutPoint(0, 0.0, 0.0);
  dialogs.pointInput = [] { return StorePointInput(PointInputFill()); };
  Run(C::BAdd);
  Run(C::BitBtnXY);  // no dialog outside 200 and 211
  EXPECT_EQ(0, dialogs.shown);
  EXPECT_FALSE(window.xyVisible);

  // A drag, then the dialog's OK with the dragged values: the move is committed.
  Run(C::PMove);
  Click(0.0, 0.0);
  Click(1.0, 0.5);
  EXPECT_TRUE(window.xyVisible);
  Run(C::BitBtnXY);
  EXPECT_DOUBLE_EQ(1.0, PointTable[0].X);
  EXPECT_EQ(1, DataModified);
  EXPECT_EQ(210, MouseState.MouseMode);
  EXPECT_EQ("移動する点をマウス(左)で選択してください。マウス(右)：取り消し", window.prompt);

  // A drag, then Cancel: the point goes back.
  DataModified = 0;
  dialogs.pointInput = [] { return false; };
  Click(1.0, 0.5);
  Click(2.0, 2.0);
  Run(C::BitBtnXY);
  EXPECT_DOUBLE_EQ(1.0, PointTable[0].X);
  EXPECT_EQ(0, DataModified);
}

TEST_F(MouseEditorTest, TheXYButtonShowsExactlyWhileAddingOrMovingAPoint) {
  PutPoint(0, 0.0, 0.0);
  commands.Set(C::Open, [](int) { ResetMouseMode(); });  // a load leaves mode 0
  struct Step {
    const char* name;
    std::function<void()> act;
    int mode;
    bool xy;
  };
  const Step steps[] = {
      {"move chosen", [this] { Run(C::PMove); }, 210, false},
      {"point picked", [this] { Click(0.0, 0.0); }, 211, true},
      {"move closed", [this] { RightClick(); }, 210, false},
      {"add chosen", [this] { Run(C::PAdd); }, 200, true},
      {"area zoom", [this] { Run(C::AreaBig); }, 101, false},
      {"zoom cancelled", [this] { RightClick(); }, 200, true},
      {"project loaded", [this] { Run(C::Open); }, 0, false},
  };
  for (const Step& step : steps) {
    step.act();
    EXPECT_EQ(step.mode, MouseState.MouseMode) << step.name;
    EXPECT_EQ(step.xy, window.xyVisible) << step.name;
  }
}

TEST_F(MouseEditorTest, PointInputOkWithTheShownTextsLeavesThePointAsItWas) {
  PutPoint(0, 0.123456, -7.654321);  // more decimals than the dialog shows
  dialogs.pointInput = [] { return StorePointInput(PointInputFill()); };
  Run(C::PMove);
  Click(0.1, -7.7);
  Run(C::BitBtnXY);
  EXPECT_EQ(0.123456, PointTable[0].X);
  EXPECT_EQ(-7.654321, PointTable[0].Y);
  EXPECT_EQ(0, DataModified);
}

TEST_F(MouseEditorTest, PointInputAddsAtTheFreeSlotAndRefusesAnExistingPoint) {
  PutPoint(0, 0.0, 0.0);
  PutPoint(2, 1.0, 0.0);
  Run(C::PAdd);
  PointInputTexts typed;
  dialogs.pointInput = [&typed] {
    const PointInputTexts shown = PointInputFill();
    EXPECT_EQ("   1", shown.No);
    EXPECT_EQ("", shown.X);
    EXPECT_FALSE(StorePointInput({shown.No, "1.00004", "0"}));  // on point 2: stays open
    typed = {shown.No, FormatCoordinate("3"), FormatCoordinate("０")};
    return StorePointInput(typed);
  };
  Run(C::BitBtnXY);
  EXPECT_EQ("    3.0000", typed.X);
  EXPECT_EQ("    0.0000", typed.Y);
  EXPECT_DOUBLE_EQ(3.0, PointTable[1].X);
  EXPECT_EQ(1, PointTable[1].Id);
  EXPECT_TRUE(window.xyVisible);
  EXPECT_EQ(200, MouseState.MouseMode);
}

TEST_F(MouseEditorTest, MouseMoveShowsTheModelPositionAndDrawsTheChainRubberBand) {
  PutPoint(0, 0.0, 0.0);
  Move(1.0, 0.5);
  EXPECT_EQ("X=1.000 Y=0.500", window.readout);
  Run(C::LAddK);
  Click(0.0, 0.0);
  canvas.Clear();
  Move(1.0, 1.0);
  ASSERT_EQ(2u, canvas.Calls().size());  // the old band erased, the new one drawn
  EXPECT_EQ("line 200 200 250 150 #FFFF00 w1 solid xor", canvas.Calls()[1]);
}

}  // namespace
}  // namespace selvana
