// The plot file: the sheet records per frame size, the record formats, and the clipping of
// segments to the drawing area, as a table of named cases.
#include "output/plot_file.h"

#include <gtest/gtest.h>

#include "output/output_test_support.h"
#include "platform/cp932.h"
#include "support/scratch_folder_test.h"

namespace selvana {
namespace {

using PlotFileTest = test::ScratchFolderTest;

// The lines of a written plot file (UTF-8, LF).
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

TEST_F(PlotFileTest, SheetRecordsFollowTheFrameSize) {
  struct Case {
    double w, h;
    const char* em;
    const char* sz;
  };
  for (const Case& c : {Case{260, 180, "EM0,0,28000000,20000000", "SZ28000000,20000000"},
                        Case{320, 220, "EM0,0,34000000,24000000", "SZ34000000,24000000"},
                        Case{380, 260, "EM0,0,40000000,28000000", "SZ40000000,28000000"}}) {
    PlotFile file;
    ASSERT_EQ(file.OpenPlotFile(kPlotFileName, kPlotFileHeader), 0);
    WritePlotSheet(file, c.w, c.h);
    ASSERT_TRUE(file.ClosePlotFile());
    const auto lines = Lines(test::ReadOutput(kPlotFileName));
    ASSERT_EQ(lines.size(), 24u);
    EXPECT_EQ(lines[0], "計算対照図");
    EXPECT_EQ(lines[1], "SC1,0,0,0");
    EXPECT_EQ(lines[2], c.em);
    EXPECT_EQ(lines[3], c.sz);
    EXPECT_EQ(lines[4], "LT100000,100000,1,1,DOT10-10");
    EXPECT_EQ(lines[7], "LT200000,100000,4,4,PHANTOM20-10");
    EXPECT_EQ(lines[8], "LY0,25,7,1,01");
    EXPECT_EQ(lines[14], "LY0,25,7,7,07");
    EXPECT_EQ(lines[19], "LY0,18,7,12,12");
    EXPECT_EQ(lines[23], "LY0,13,7,16,16");
  }
  EXPECT_EQ(ReadFile(kPlotFileName).substr(10, 2), "\r\n");  // CP932 header, CR LF ends
}

TEST_F(PlotFileTest, DrawingRecordsKeepTheirFieldOrderAndATextKeepsItsCommas) {
  PlotFile file;
  ASSERT_EQ(file.OpenPlotFile(kPlotFileName, kPlotFileHeader), 0);
  file.PltWriteDL(10, 50, 100.000004, 50, 4);
  file.PltWriteAP(12.5, 30, 0.5, 11, 8);
  file.PltWriteGC(1, 2, 3, 4, 5, 6, -1, 5);
  file.PltWriteAH(20, 40, 20, 30, 4.0 / 3, 0.6, 10, 11);
  file.PltWriteVJ(15, 16, 3, 3, ToCp932("γt = 18.0, ｃ"), 0, 10);
  ASSERT_TRUE(file.ClosePlotFile());
  const auto lines = Lines(test::ReadOutput(kPlotFileName));
  EXPECT_EQ(lines,
            (std::vector<std::string>{"計算対照図", "DL1000000,5000000,10000000,5000000,4",
                                      "AP1250000,3000000,50000,11,8",
                                      "GC100000,200000,300000,400000,500000,600000,-1,5",
                                      "AH2000000,4000000,2000000,3000000,133333,60000,10,11",
                                      "VJ1500000,1600000,300000,300000,0,10,γt = 18.0, ｃ"}));
}

TEST_F(PlotFileTest, AFileThatCannotBeCreatedIsReported) {
  PlotFile file;
  EXPECT_EQ(file.OpenPlotFile("no/such/folder/" + std::string(kPlotFileName), "x"), -1);
  EXPECT_FALSE(file.ClosePlotFile());
}

TEST(PlotClipping, SegmentsAreCutAtTheDrawingArea) {
  const PlotClipWindow window{10, 10, 260, 170};
  struct Case {
    const char* name;
    double in[4];
    int result;
    double out[4];
  };
  const Case cases[] = {
      {"inside stays", {20, 20, 100, 100}, 0, {20, 20, 100, 100}},
      {"on an edge is inside", {10, 20, 10, 150}, 0, {10, 20, 10, 150}},
      {"start in the left band", {5, 50, 100, 50}, 1, {10, 50, 100, 50}},
      {"end beyond the top", {50, 100, 50, 200}, 2, {50, 100, 50, 170}},
      {"both out: first the right edge", {300, 50, 0, 50}, 3, {260, 50, 10, 50}},
      {"both out, right edge first again", {0, 50, 300, 50}, 3, {260, 50, 10, 50}},
      {"below the corner misses", {0, 5, 5, 0}, -1, {0, 5, 5, 0}},
      {"wholly in the title band", {20, 175, 200, 178}, -1, {20, 175, 200, 178}},
      {"touching one corner only misses", {0, 20, 20, 0}, -1, {0, 20, 20, 0}},
      {"through a corner counts it once", {0, 0, 300, 300}, 3, {10, 10, 170, 170}},
      {"from a corner inwards", {0, 0, 20, 20}, 1, {10, 10, 20, 20}},
      {"to the far edge: cut at the near one", {5, 50, 260, 50}, 1, {10, 50, 260, 50}},
      {"from the bottom edge out to the left", {50, 10, 0, 60}, 2, {50, 10, 10, 50}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    double x1 = c.in[0], y1 = c.in[1], x2 = c.in[2], y2 = c.in[3];
    EXPECT_EQ(ClipSegmentToPlotWindow(window, x1, y1, x2, y2), c.result);
    EXPECT_NEAR(x1, c.out[0], 1e-9);
    EXPECT_NEAR(y1, c.out[1], 1e-9);
    EXPECT_NEAR(x2, c.out[2], 1e-9);
    EXPECT_NEAR(y2, c.out[3], 1e-9);
  }
}

TEST(PlotClipping, CrossingsOfSegmentsSayWhichSegmentMissed) {
  double x = -1, y = -1;
  EXPECT_EQ(ClipIntersectSegments(0, 0, 10, 0, 5, -5, 5, 5, x, y), 0);
  EXPECT_DOUBLE_EQ(x, 5);
  EXPECT_EQ(ClipIntersectSegments(0, 0, 4, 0, 5, -5, 5, 5, x, y), 1);
  EXPECT_EQ(ClipIntersectSegments(0, 0, 10, 0, 5, 1, 5, 5, x, y), 2);
  EXPECT_EQ(ClipIntersectSegments(0, 0, 4, 0, 5, 1, 5, 5, x, y), 3);
  x = 7;
  EXPECT_EQ(ClipIntersectSegments(0, 0, 10, 0, 0, 1, 10, 1, x, y), -1);
  EXPECT_EQ(x, 7);
}

}  // namespace
}  // namespace selvana
