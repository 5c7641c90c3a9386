// The main view redraw on the recording canvas: the order of the layers, the colours and pens of
// the model entities, the display switches, the grid pitch rules and the table previews.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "model/project_model.h"
#include "support/golden_file.h"
#include "view/background_grid.h"
#include "view/model_entities.h"
#include "view/redraw_view.h"
#include "view/view_ports.h"
#include "view/view_state.h"
#include "view_test_support.h"

namespace selvana::test {
namespace {

using Calls = std::vector<std::string>;

class RedrawViewTest : public ViewFixture {
 protected:
  void SetUp() override {
    ViewFixture::SetUp();
    OpenProject();
    DisplaySwitches[kShowAutoSwitch] = 0;  // no preset from the drawing menus
    ViewState.Scale = 2.0;                 // 100 m x 50 m visible around (0, 0)
  }

  static void Point(int slot, double x, double y) {
    PointTable[slot] = {slot, x, y};
    PointCount = std::max(PointCount, slot + 1);
  }
  static void Line(int slot, int kind, int p1, int p2, int drawFlag = 1) {
    LineTable[slot] = {kind, p1, p2, drawFlag};
    LineCount = std::max(LineCount, slot + 1);
  }

  int CountCalls(const std::string& part) const {
    return static_cast<int>(
        std::count_if(canvas.Calls().begin(), canvas.Calls().end(),
                      [&](const std::string& c) { return c.find(part) != std::string::npos; }));
  }
};

TEST_F(RedrawViewTest, NoProjectLeavesTheViewBlackAndTheMenusAlone) {
  static int menuCalls = 0;
  menuCalls = 0;
  const auto saved = ViewMenus.FollowResults;
  ViewMenus.FollowResults = [](int) { ++menuCalls; };
  DataModified = -1;
  Point(0, 0.0, 0.0);
  EXPECT_EQ(RedrawView(0), 1);
  ViewMenus.FollowResults = saved;
  const Calls expected = {"fill 0 0 200 100 #000000"};
  EXPECT_EQ(canvas.Calls(), expected);
  EXPECT_EQ(menuCalls, 0);
}

TEST_F(RedrawViewTest, DrawingMenusAreAskedWhetherResultsAreValid) {
  static int lastResults = -5;
  const auto saved = ViewMenus.FollowResults;
  ViewMenus.FollowResults = [](int results) { lastResults = results; };
  CalcStatus = 1;
  RedrawView(0);
  EXPECT_EQ(lastResults, 1);
  CalcStatus = -1;
  RedrawView(0);
  EXPECT_EQ(lastResults, 0);
  ViewMenus.FollowResults = saved;
}

// A small section: two boundary lines (one left out of the figure), an uncut line, a residual
// water level given by one point, an arc-limit point, a freed point slot, one block, the
// circle-centre grid and a background grid of 25 m with labels every 50 m.
TEST_F(RedrawViewTest, SmallModelDrawsItsLayersInOrder) {
  GridSpacing = {50.0, 25.0};
  cm.kt = kMethodFellenius;
  FelleniusCircleSettings.CentreX = {-10.0, 10.0, 10.0, 0.0};
  FelleniusCircleSettings.CentreY = {15.0, 25.0, 10.0, 0.0};
  Point(0, -30.0, 10.0);
  Point(1, 30.0, 10.0);
  Point(2, -30.0, -10.0);
  Point(3, 30.0, -10.0);
  Point(5, 0.0, -20.0);
  PointTable[4].Id = -1;
  Line(0, kLineBoundary, 0, 1);
  Line(1, kLineBoundary, 2, 3, -1);
  Line(2, kLineUncut, 0, 2);
  Line(3, kLineResidualWater, 5, 5);
  Line(4, kLineSmallArcLimitPoint, 1, 1);
  BlockTable[0].Number = 0;
  BlockTable[0].SeedX = 0.0;
  BlockTable[0].SeedY = 0.0;
  BlockCount = 1;
  EXPECT_EQ(RedrawView(0), 0);
  ExpectGolden(canvas.Text(), "view/redraw_small_model.txt");
}

struct KindCase {
  int kind;
  int drawFlag;
  const char* pen;  // colour, width, style as recorded
};

const KindCase kKindCases[] = {
    {kLineBoundary, 1, "#FFFFFF w1 solid"},    {kLineBoundary, -1, "#0000FF w1 solid"},
    {kLineUncut, 1, "#FF0000 w1 dot"},         {kLineSmallArcLimit, 1, "#00FF00 w1 dot"},
    {kLineLargeArcLimit, 1, "#00FFFF w1 dot"}, {kLineResidualWater, 1, "#008000 w1 dot"},
};

TEST_F(RedrawViewTest, LinesTakeTheColourAndPenOfTheirKind) {
  DisplaySwitches.fill(1);
  DisplaySwitches[kShowGrid] = 0;
  DisplaySwitches[kShowCircleCentres] = 0;
  DisplaySwitches[kShowAutoSwitch] = 0;
  Point(0, 0.0, 0.0);
  Point(1, 10.0, 0.0);
  for (const KindCase& c : kKindCases) {
    LineTable.fill(LineRecord{});
    LineCount = 0;
    Line(0, c.kind, 0, 1, c.drawFlag);
    canvas.Clear();
    RedrawView(0);
    EXPECT_EQ(CountCalls(std::string("line 100 50 120 50 ") + c.pen + " copy"), 1)
        << "kind " << c.kind << " flag " << c.drawFlag << "\n"
        << canvas.Text();
  }
}

TEST_F(RedrawViewTest, ArcLimitPointsAreCirclesAtTheFirstEnd) {
  Point(0, 5.0, 5.0);
  Point(1, 10.0, 0.0);
  Line(0, kLineLargeArcLimitPoint, 0, 1);
  EXPECT_EQ(DrawModelLine(0, kAqua), 0);
  EXPECT_EQ(canvas.Calls().back(), "ellipse 107 37 113 43 #00FFFF w1 solid copy");
}

TEST_F(RedrawViewTest, ALineFromAPointToItselfRunsAcrossTheWholeView) {
  Point(3, 7.0, 4.0);
  Line(0, kLineBoundary, 3, 3);
  EXPECT_EQ(DrawModelLine(0, kWhite), 0);
  EXPECT_EQ(canvas.Calls().back(), "line 0 42 200 42 #FFFFFF w1 solid copy");
}

TEST_F(RedrawViewTest, SwitchedOffKindsAndBrokenLinesAreNotDrawn) {
  Point(0, 0.0, 0.0);
  Point(1, 1.0, 1.0);
  Line(0, kLineUncut, 0, 1);
  Line(1, kLineBoundary, 0, 9);     // free end slot
  Line(2, 8, 0, 1);                 // no such kind
  Line(3, kLineBoundary, 0, 5000);  // end outside the table
  DisplaySwitches[kShowUncutLines] = 0;
  for (int i = 0; i < 4; ++i) EXPECT_EQ(DrawModelLine(i, kWhite), 1) << i;
  EXPECT_TRUE(canvas.Calls().empty());
}

TEST_F(RedrawViewTest, FreedPointSlotIsSkippedAndNumbersFollowTheirSwitch) {
  Point(0, 0.0, 0.0);
  Point(2, 0.0, 0.0);
  PointTable[1].Id = -1;
  EXPECT_EQ(DrawModelPoint(1, kFuchsia), 1);
  EXPECT_TRUE(canvas.Calls().empty());
  EXPECT_EQ(DrawModelPoint(2, kFuchsia), 0);
  const Calls expected = {"ellipse 99 49 101 51 #FF00FF w1 solid copy",
                          "text 97 38 \"2\" 12 #FF00FF"};
  EXPECT_EQ(canvas.Calls(), expected);
  canvas.Clear();
  DisplaySwitches[kShowPointNames] = 0;
  EXPECT_EQ(DrawModelPoint(2, kFuchsia), 1);
  EXPECT_EQ(canvas.Calls().size(), 1u);
}

TEST_F(RedrawViewTest, BlockMarkerIsACrossWithTheBlockNumber) {
  BlockTable[3].Number = 3;
  BlockTable[3].SeedX = 5.0;
  BlockTable[3].SeedY = 0.0;
  EXPECT_EQ(DrawBlockMarker(3, kAqua), 0);
  const Calls expected = {"line 108 48 112 52 #00FFFF w1 solid copy",
                          "line 108 52 112 48 #00FFFF w1 solid copy",
                          "text 107 38 \"3\" 12 #00FFFF"};
  EXPECT_EQ(canvas.Calls(), expected);
  DisplaySwitches[kShowBlockMarkers] = 0;
  EXPECT_EQ(DrawBlockMarker(3, kAqua), 1);
  EXPECT_EQ(DrawBlockMarker(4, kAqua), 1);  // free slot
}

struct GridCase {
  const char* name;
  double coarse, fine, scale;
  int thick, thin, labels;  // vertical lines 3 px and 1 px, labels on them (over a 200 px width)
};

// Visible width 200 px; labels are counted as text calls of the bottom edge.
const GridCase kGridCases[] = {
    {"defaults at 0.5 px/m: no grid", 10.0, 10.0, 0.5, 0, 0, 0},
    {"defaults at 1.5 px/m: every line thin and labelled", 10.0, 10.0, 1.5, 0, 14, 14},
    {"10/2 at 10 px/m: every fifth thick and labelled", 10.0, 2.0, 10.0, 3, 8, 3},
    {"10/2 at 3 px/m: fine lines dropped, coarse ones thin", 10.0, 2.0, 3.0, 0, 8, 8},
};

TEST_F(RedrawViewTest, GridPitchFollowsTheScale) {
  for (const GridCase& c : kGridCases) {
    canvas.Clear();
    GridSpacing = {c.coarse, c.fine};
    ViewState.Scale = c.scale;
    ViewState.OriginX = 0.5;  // no line on the image edges
    DrawBackgroundGrid(kGray);
    int thick = 0, thin = 0, labels = 0;
    for (const std::string& call : canvas.Calls()) {
      int x1 = 0, y1 = 0, x2 = 0, y2 = 0, w = 0;
      if (std::sscanf(call.c_str(), "line %d %d %d %d #808080 w%d", &x1, &y1, &x2, &y2, &w) == 5 &&
          x1 == x2) {
        (w == 3 ? thick : thin) += 1;
      }
      int tx = 0, ty = 0;
      if (std::sscanf(call.c_str(), "text %d %d \"", &tx, &ty) == 2 && ty == 100 - 12) ++labels;
    }
    EXPECT_EQ(thick, c.thick) << c.name;
    EXPECT_EQ(thin, c.thin) << c.name;
    EXPECT_EQ(labels > 0, c.labels > 0) << c.name;
  }
}

// Cells of a table editor's grid, keyed by column and grid row.
class FakeGrid : public TableCells {
 public:
  void Set(int col, int row, const std::string& text) { cells_[{col, row}] = text; }
  std::string Cell(int col, int row) const override {
    const auto it = cells_.find({col, row});
    return it == cells_.end() ? std::string() : it->second;
  }

 private:
  std::map<std::pair<int, int>, std::string> cells_;
};

TEST_F(RedrawViewTest, PointTablePreviewDrawsTheGridRowsNotTheModel) {
  FakeGrid grid;
  grid.Set(1, 1, "5.0");  // row 0
  grid.Set(2, 1, "0.0");
  grid.Set(1, 3, "1.0");  // row 2 lacks its Y
  ViewPorts.PointTableGrid = &grid;
  Point(0, -20.0, 0.0);
  RedrawView(kRedrawPointTable);
  EXPECT_EQ(CountCalls("ellipse 109 49 111 51 #FF00FF"), 1);
  EXPECT_EQ(CountCalls("ellipse 60 49 62 51"), 0);
  EXPECT_EQ(CountCalls("text 107 38 \"0\""), 1);
}

TEST_F(RedrawViewTest, TablePreviewsWalkEverySlot) {
  FakeGrid points;
  points.Set(1, 1024, "5.0");  // slot 1023
  points.Set(2, 1024, "0.0");
  ViewPorts.PointTableGrid = &points;
  RedrawView(kRedrawPointTable);
  EXPECT_EQ(CountCalls("ellipse 109 49 111 51 #FF00FF"), 1);
  FakeGrid lines;
  lines.Set(1, 1024, "1");
  lines.Set(2, 1024, "0");
  lines.Set(3, 1024, "1");
  ViewPorts.LineTableGrid = &lines;
  Point(0, 0.0, 0.0);
  Point(1, 10.0, 0.0);
  Line(1023, kLineBoundary, 0, 0);
  RedrawView(kRedrawLineTable);
  EXPECT_EQ(CountCalls("line 100 50 120 50 #FFFFFF"), 1);
}

TEST_F(RedrawViewTest, LineTablePreviewTakesGeometryFromTheGridAndColourFromTheModelSlot) {
  FakeGrid grid;
  grid.Set(1, 1, "2");  // row 0: an uncut line 0-1
  grid.Set(2, 1, "0");
  grid.Set(3, 1, "1");
  grid.Set(1, 2, "7");  // row 1: residual water is not previewed
  grid.Set(2, 2, "0");
  grid.Set(3, 2, "1");
  ViewPorts.LineTableGrid = &grid;
  Point(0, 0.0, 0.0);
  Point(1, 10.0, 0.0);
  Line(0, kLineUncut, 1, 1);
  Line(1, kLineResidualWater, 0, 1);
  RedrawView(kRedrawLineTable);
  EXPECT_EQ(CountCalls("line 100 50 120 50 #FF0000 w1 dot"), 1);
  EXPECT_EQ(CountCalls("#008000"), 0);
}

}  // namespace
}  // namespace selvana::test
