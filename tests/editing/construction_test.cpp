// The construction operations driven through the editor with clicks: constructed points split
// exactly the lines that hold them, a No or a refusal changes nothing, and the line edits keep
// or drop the lines as the user asked.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "editing/editor_test_support.h"
#include "editing/mouse_modes.h"
#include "model/project_model.h"
#include "platform/number_format.h"
#include "view/view_state.h"

namespace selvana {
namespace {

using test::PutLine;
using test::PutPoint;
using test::PutPoints;
using C = MainCommand;

// The boundary lines as sorted end pairs, in table order.
std::vector<std::pair<int, int>> BoundaryLines() {
  std::vector<std::pair<int, int>> lines;
  for (int i = 0; i < LineCount; ++i) {
    if (LineTable[i].Kind != kLineBoundary) continue;
    EXPECT_EQ(1, LineTable[i].DrawFlag) << "line " << i;
    lines.emplace_back(LineTable[i].P1, LineTable[i].P2);
  }
  return lines;
}

using Lines = std::vector<std::pair<int, int>>;

// Boundary lines from slot 0 on.
void PutBoundaryLines(const Lines& lines) {
  int slot = 0;
  for (const auto& [p1, p2] : lines) PutLine(slot++, kLineBoundary, p1, p2);
}

class ConstructionTest : public test::EditorFixture {
 protected:
  // Whether the canvas drew the horizontal line from (x2, y) to (x1, y) in the colour given.
  bool DrewLine(double x2, double x1, double y, const char* colour) const {
    int sx1 = 0, sy1 = 0, sx2 = 0, sy2 = 0;
    ModelToScreen(x2, y, sx2, sy2);
    ModelToScreen(x1, y, sx1, sy1);
    const std::string line =
        StrFormat("line %d %d %d %d %s w1 solid copy", sx2, sy2, sx1, sy1, colour);
    const auto& calls = canvas.Calls();
    return std::find(calls.begin(), calls.end(), line) != calls.end();
  }

  // Two boundary lines crossing at (2, 2): 0-1 and 2-3.
  void PutCross() {
    PutPoints({{0.0, 0.0}, {4.0, 4.0}, {0.0, 4.0}, {4.0, 0.0}});
    PutBoundaryLines({{0, 1}, {2, 3}});
  }
};

TEST_F(ConstructionTest, CrossingLinesGiveOnePointAndFourLines) {
  PutCross();
  Ask("交点を追加してよろしいですか？", {MsgAnswer::No, MsgAnswer::Yes});
  Run(C::KAdd);
  Click(1.0, 1.0);
  EXPECT_EQ(1701, MouseState.MouseMode);
  Click(1.0, 3.0);
  RightClick();  // No: the point slot and the count are given back
  EXPECT_EQ(4, PointCount);
  EXPECT_EQ(-1, PointTable[4].Id);
  EXPECT_EQ(1701, MouseState.MouseMode);
  EXPECT_EQ(-1, MouseState.SecondIndex);
  Click(1.0, 3.0);
  RightClick();
  EXPECT_EQ(5, PointCount);
  EXPECT_DOUBLE_EQ(2.0, PointTable[4].X);
  EXPECT_DOUBLE_EQ(2.0, PointTable[4].Y);
  EXPECT_EQ((Lines{{0, 4}, {2, 4}, {1, 4}, {3, 4}}), BoundaryLines());
  EXPECT_EQ(1700, MouseState.MouseMode);
  EXPECT_EQ(CommandPrompt(1700), window.prompt);
  EXPECT_EQ(1, DataModified);
  EXPECT_EQ(0, CalcStatus);
}

TEST_F(ConstructionTest, APointOnAnExtensionSplitsOnlyTheLineHoldingIt) {
  PutPoints({{0.0, 0.0}, {4.0, 0.0}, {2.0, 1.0}, {2.0, 3.0}, {6.0, 1.0}, {6.0, 3.0}});
  PutBoundaryLines({{0, 1}, {2, 3}, {4, 5}});
  Ask("交点を追加してよろしいですか？", {MsgAnswer::Yes, MsgAnswer::Yes});
  Run(C::KAdd);
  Click(2.0, 2.0);  // the short vertical line; the crossing (2, 0) lies on line 0 only
  Click(3.0, 0.0);
  RightClick();
  EXPECT_EQ((Lines{{0, 6}, {2, 3}, {4, 5}, {1, 6}}), BoundaryLines());
  Click(6.0, 2.0);  // the crossing (6, 0) of line 4-5 and line 1-6 extended lies on neither
  Click(3.0, 0.0);
  RightClick();
  EXPECT_DOUBLE_EQ(6.0, PointTable[7].X);
  EXPECT_DOUBLE_EQ(0.0, PointTable[7].Y);
  EXPECT_EQ((Lines{{0, 6}, {2, 3}, {4, 5}, {1, 6}}), BoundaryLines());
}

TEST_F(ConstructionTest, AHorizontalFarAwayStillMeetsTheLine) {
  PutPoints({{0.0, 0.0}, {0.0, 10.0}, {500.0, 5.0}});
  PutBoundaryLines({{0, 1}});
  Ask("水平交点を追加してよろしいですか？", {MsgAnswer::Yes});
  Run(C::HAdd);
  Click(0.0, 1.0);
  Click(500.0, 5.0);
  RightClick();
  EXPECT_DOUBLE_EQ(0.0, PointTable[3].X);
  EXPECT_DOUBLE_EQ(5.0, PointTable[3].Y);
  EXPECT_EQ((Lines{{0, 3}, {1, 3}}), BoundaryLines());
}

TEST_F(ConstructionTest, MovingToAFootAndAnsweringNoRestoresThePointExactly) {
  PutPoints({{0.0, 0.0}, {10.0, 0.0}, {3.3, 7.1}, {6.0, 5.0}});
  PutBoundaryLines({{0, 1}});
  Ask("垂線の足に移動してよろしいですか？", {MsgAnswer::No, MsgAnswer::Yes});
  Run(C::SMove);
  Click(3.3, 7.1);
  EXPECT_EQ(1811, MouseState.MouseMode);
  Click(5.0, 0.0);
  Click(6.0, 5.0);
  RightClick();
  EXPECT_EQ(3.3, PointTable[2].X);
  EXPECT_EQ(7.1, PointTable[2].Y);
  EXPECT_EQ(1812, MouseState.MouseMode);
  EXPECT_EQ(0, DataModified);
  Click(6.0, 5.0);
  RightClick();
  EXPECT_DOUBLE_EQ(6.0, PointTable[2].X);
  EXPECT_DOUBLE_EQ(0.0, PointTable[2].Y);
  EXPECT_EQ(4, PointCount);
  EXPECT_EQ((Lines{{0, 2}, {1, 2}}), BoundaryLines());
  EXPECT_EQ(1810, MouseState.MouseMode);
}

TEST_F(ConstructionTest, FailuresAndFullTablesChangeNothing) {
  PutCross();
  PutPoint(4, 2.0005, 1.9995);  // within 0.001 m of the crossing
  Ask("交点の近くに点があるため追加できません！");
  Ask("線分の数が上限(1024)に達しているため、追加できません。", {MsgAnswer::Ok, MsgAnswer::Ok});
  Run(C::KAdd);
  Click(1.0, 1.0);
  Click(1.0, 3.0);
  RightClick();
  PointTable[4].Id = -1;
  for (int i = 2; i < kMaxLines; ++i) PutLine(i, kLineUncut, 0, 2);
  Click(1.0, 3.0);
  RightClick();
  EXPECT_EQ(1701, MouseState.MouseMode);
  Run(C::Bunkatu);  // refused before the question is asked
  Click(1.0, 1.0);
  Click(0.0, 4.0);
  RightClick();
  EXPECT_EQ(2021, MouseState.MouseMode);
  EXPECT_EQ(5, PointCount);
  EXPECT_EQ(-1, PointTable[4].Id);
  EXPECT_EQ((Lines{{0, 1}, {2, 3}}), BoundaryLines());
  EXPECT_EQ(0, DataModified);
}

TEST_F(ConstructionTest, JoinNeedsASharedEndAndDivideSplits) {
  PutPoints({{0.0, 0.0}, {2.0, 0.0}, {4.0, 0.0}, {0.0, 3.0}, {4.0, 3.0}});
  PutBoundaryLines({{0, 1}, {1, 2}, {3, 4}});
  Ask("線分を合成してよろしいですか？", {MsgAnswer::Yes});
  Ask("線分を分割してよろしいですか？", {MsgAnswer::Yes});
  Run(C::Gousei);
  Click(1.0, 0.0);
  Click(2.0, 3.0);  // shares no end: ignored
  EXPECT_EQ(-1, MouseState.SecondIndex);
  Click(3.0, 0.0);
  RightClick();
  EXPECT_EQ((Lines{{0, 2}, {3, 4}}), BoundaryLines());
  EXPECT_EQ(1, PointTable[1].Id);  // the shared point stays
  Run(C::Bunkatu);
  Click(1.0, 3.0);
  Click(0.0, 3.0);  // an end of the line: ignored
  EXPECT_EQ(-1, MouseState.SecondIndex);
  Click(2.0, 0.1);
  RightClick();
  EXPECT_EQ((Lines{{0, 2}, {1, 3}, {1, 4}}), BoundaryLines());
  EXPECT_EQ(2020, MouseState.MouseMode);
}

TEST_F(ConstructionTest, ChangingALinesEndToItsOtherEndRemovesIt) {
  PutPoints({{0.0, 0.0}, {4.0, 0.0}, {4.0, 3.0}});
  PutBoundaryLines({{0, 1}});
  Ask("端点を変更してよろしいですか？", {MsgAnswer::Yes, MsgAnswer::Yes});
  Run(C::Tanten);
  Click(3.0, 0.0);  // nearer end: point 1
  EXPECT_EQ(1, MouseState.SelectedIndex);
  Click(4.0, 3.0);
  RightClick();
  EXPECT_EQ((Lines{{0, 2}}), BoundaryLines());
  Click(1.0, 0.8);  // nearer end: point 0, replaced by the line's other end
  Click(4.0, 3.0);
  RightClick();
  EXPECT_EQ(Lines{}, BoundaryLines());
}

TEST_F(ConstructionTest, ParallelLinesOnBothSidesReuseNearPoints) {
  PutPoints({{0.0, 0.0}, {10.0, 0.0}});
  PutPoint(2, 0.0005, 2.0005);  // within 0.001 m of the left line's start
  PutBoundaryLines({{0, 1}});
  int asked = 0;
  dialogs.parallelDistance = [&asked] {
    ParallelLineDistance = 2.0;
    return ++asked < 3;  // OK, OK, then Cancel
  };
  Run(C::PLine);
  Click(5.0, 0.0);
  EXPECT_EQ(2031, MouseState.MouseMode);
  // The preview follows the side of the cursor: yellow there, the other side wiped in black.
  for (const double side : {3.0, -3.0, 3.0}) {
    canvas.Clear();
    Move(5.0, side);
    const double near = side > 0 ? 2.0 : -2.0;
    EXPECT_TRUE(DrewLine(10.0, 0.0, near, "#FFFF00")) << side;
    EXPECT_TRUE(DrewLine(10.0, 0.0, -near, "#000000")) << side;
    EXPECT_FALSE(DrewLine(10.0, 0.0, -near, "#FFFF00")) << side;
  }
  Click(5.0, 3.0);
  EXPECT_DOUBLE_EQ(10.0, PointTable[3].X);
  EXPECT_DOUBLE_EQ(2.0, PointTable[3].Y);
  Click(5.0, -3.0);
  EXPECT_DOUBLE_EQ(10.0, PointTable[4].X);
  EXPECT_DOUBLE_EQ(-2.0, PointTable[4].Y);
  EXPECT_DOUBLE_EQ(0.0, PointTable[5].X);
  EXPECT_DOUBLE_EQ(-2.0, PointTable[5].Y);
  EXPECT_EQ((Lines{{0, 1}, {2, 3}, {4, 5}}), BoundaryLines());
  EXPECT_EQ(2030, MouseState.MouseMode);
  EXPECT_EQ(CommandPrompt(2030), window.prompt);
}

TEST_F(ConstructionTest, CheckViewsDrawOverTheViewAndKeepTheStep) {
  PutCross();  // no line meets another at a point: every edge closes nothing
  Run(C::KAdd);
  Click(1.0, 1.0);
  const std::pair<MainCommand, const char*> checks[] = {
      {C::LNChk, "#00FFFF"}, {C::BLChk, "#FF0000"}, {C::ZHChk, "#FFFFFF"}};
  for (const auto& [command, colour] : checks) {
    canvas.Clear();
    Run(command);
    EXPECT_EQ("fill 0 0 400 400 #000000", canvas.Calls().front());
    EXPECT_NE(std::string::npos, canvas.Text().find(colour)) << MainCommandName(command);
    EXPECT_EQ(1701, MouseState.MouseMode);
  }
  Run(C::PMove);  // a check during a drag leaves the dragged point to the closing question
  Click(0.0, 0.0);
  Click(1.0, 0.5);
  Run(C::BLChk);
  EXPECT_DOUBLE_EQ(1.0, PointTable[0].X);
  EXPECT_EQ(1, MouseState.MovedFlag);
}

}  // namespace
}  // namespace selvana
