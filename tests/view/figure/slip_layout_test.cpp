// Slip circles: the critical circle's ends raised to a structure but not to water, the marked
// circles collected apart from the critical one, centre labels, the straight critical line, the
// limit of the circle store and the index guards.
#include <gtest/gtest.h>

#include "calc/results/consolidation.h"
#include "figure_test_support.h"
#include "model/project_model.h"
#include "platform/number_format.h"
#include "platform/recording_canvas.h"
#include "view/figure/slip_layout.h"
#include "view/figure_layers.h"
#include "view/view_ports.h"
#include "view/view_test_support.h"

namespace selvana::test {
namespace {

// Soil 0..20 x -10..0, a structure 2..6 x 0..3 and a pressure-water block 14..18 x 0..2 on it.
class SlipLayoutTest : public FigureFixture {
 protected:
  void SetUp() override {
    FigureFixture::SetUp();
    const double xy[][2] = {{0, 0}, {20, 0}, {20, -10}, {0, -10}, {2, 0},  {2, 3},
                            {6, 3}, {6, 0},  {14, 0},   {14, 2},  {18, 2}, {18, 0}};
    for (int p = 0; p < 12; ++p) Point(p, xy[p][0], xy[p][1]);
    const int lines[][2] = {{0, 4}, {4, 7}, {7, 8}, {8, 11}, {11, 1}, {1, 2},  {2, 3},
                            {3, 0}, {4, 5}, {5, 6}, {6, 7},  {8, 9},  {9, 10}, {10, 11}};
    for (int l = 0; l < 14; ++l) Boundary(l, lines[l][0], lines[l][1]);
    Block(0, 10.0, -5.0).BBox = {20.0, 0.0, 0.0, -10.0};
    Block(1, 4.0, 1.5, kBlockStructure).BBox = {6.0, 2.0, 3.0, 0.0};
    Block(2, 16.0, 1.0, kBlockPressureWater).BBox = {18.0, 14.0, 2.0, 0.0};
    CalcStatus = 1;
    CriticalResult = {};
    CriticalResult.cx = 10.0, CriticalResult.cy = 8.0;
    CriticalResult.csx = 16.0, CriticalResult.csy = 0.0;  // under the water
    CriticalResult.cex = 4.0, CriticalResult.cey = 0.0;   // under the structure
    CriticalResult.sx = 16.0, CriticalResult.ex = 4.0;
  }

  static CircleListEntry& Entry(int i, double cx, double cy, int mark, int labelFlag) {
    CircleListEntry& e = CircleList[i];
    e = {};
    e.CentreX = cx, e.CentreY = cy, e.DrawMark = mark, e.LabelFlag = labelFlag;
    e.F = 1.0 + 0.25 * i, e.LabelX = cx, e.LabelY = cy;
    e.csx = cx + 6.0, e.cex = cx - 6.0;
    CircleListCount = std::max(CircleListCount, i + 1);
    return e;
  }
};

TEST_F(SlipLayoutTest, CirclesCentresAndTheCriticalSlipMatchTheGolden) {
  Entry(0, 10.0, 8.0, 1, 1);    // the critical centre: labelled, not collected again
  Entry(1, 11.0, 9.0, 1, 1);    // marked
  Entry(2, 12.0, 10.0, 0, -1);  // neither drawn nor labelled
  std::string dump = "# centres\n";
  FigureLayout centres;
  for (int i = 0; i < 3; ++i) EXPECT_EQ(0, LayoutCentreSafetyFactor(i, centres));
  dump += DumpLayout(centres);
  CollectSlipCircles();
  dump += StrFormat("# marked circles: %d\n", ArcStore.Count);
  FigureLayout marked;
  for (int k = 0; k < ArcStore.Count; ++k) LayoutSlipCircle(ArcStore.Circles[k], marked);
  dump += DumpLayout(marked);
  SetSlipGeometry(-1);
  const SlipGeometryRecord& g = SlipGeometry;
  EXPECT_EQ(0.0, g.P1y) << "water does not raise the right end";
  EXPECT_EQ(3.0, g.P4y) << "the structure raises the left end";
  FigureLayout critical;
  LayoutCriticalSlip(critical);
  dump += "# critical circle\n" + DumpLayout(critical);
  cm.kt = kMethodLineFromPoint;
  FigureLayout line;
  LayoutCriticalSlip(line);
  dump += "# critical line of method 3\n" + DumpLayout(line);
  ExpectGolden(dump, "view/figure/slip_circles.txt");
}

TEST_F(SlipLayoutTest, TheStoreKeepsAtMost251Circles) {
  for (int i = 0; i < 300; ++i) Entry(i, 30.0 + i, 8.0, 1, 1);
  CollectSlipCircles();
  EXPECT_EQ(kArcStoreLimit, ArcStore.Count);
  EXPECT_EQ(30.0 + kArcStoreLimit - 1, ArcStore.Circles[kArcStoreLimit - 1].Cx);
}

TEST_F(SlipLayoutTest, IndexesOutsideTheListChangeNothing) {
  Entry(0, 11.0, 9.0, 1, 1);
  SetSlipGeometry(-1);
  const double before = SlipGeometry.Cx;
  EXPECT_EQ(-1, SetSlipGeometry(1));
  EXPECT_EQ(-1, SetSlipGeometry(kMaxCircleListEntries));
  EXPECT_EQ(before, SlipGeometry.Cx);
  FigureLayout layout;
  EXPECT_EQ(-1, LayoutCentreSafetyFactor(1, layout));
  EXPECT_EQ(-1, LayoutCentreSafetyFactor(-1, layout));
  EXPECT_TRUE(layout.Empty());
}

TEST_F(SlipLayoutTest, WithoutResultsNoResultLayerDraws) {
  RecordingCanvas canvas(100, 100);
  ViewPorts.Image = &canvas;
  DisplaySwitches.fill(1);
  Entry(0, 11.0, 9.0, 1, 1);
  CalcStatus = 0;
  ArcStore.Count = 0;
  CollectSlipCircles();
  EXPECT_EQ(1, DrawCentreSafetyFactor(0, kLime));
  EXPECT_EQ(1, DrawSlipCircles(kLime));
  EXPECT_EQ(1, DrawCriticalCircle(kLime));
  EXPECT_EQ(0, ArcStore.Count);
  EXPECT_TRUE(canvas.Calls().empty());
  ViewPorts = MainViewPorts{};
}

}  // namespace
}  // namespace selvana::test
