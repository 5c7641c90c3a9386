// The check pictures as the canvas records them: the connection gap is 5 pixels at any scale,
// only edges that close no region are red, and a shared water point is factored once.
#include "view/model_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "editing/editor_test_support.h"
#include "model/partial_factors.h"
#include "model/project_model.h"
#include "platform/number_format.h"
#include "view/view_state.h"

namespace selvana {
namespace {

using test::PutPoint;

void PutLine(int kind, int p1, int p2) { test::PutLine(LineCount, kind, p1, p2); }

class ModelChecksTest : public test::ViewFixture {
 protected:
  // The recorded calls in one colour, without pen details.
  std::vector<std::string> LinesIn(const char* colour) const {
    std::vector<std::string> lines;
    for (const std::string& call : canvas.Calls()) {
      const size_t at = call.find(colour);
      if (at == std::string::npos || call.rfind("line", 0) != 0) continue;
      lines.push_back(call.substr(0, at - 1));
    }
    return lines;
  }
};

using Calls = std::vector<std::string>;

TEST_F(ModelChecksTest, ConnectionGapIsFivePixelsAtAnyScale) {
  PutPoint(0, 0.0, 0.0);
  PutPoint(1, 2.0, 0.0);
  PutPoint(2, 0.0, 0.0);  // a second point on the first: its line has no length
  PutLine(kLineBoundary, 0, 1);
  PutLine(kLineBoundary, 0, 2);
  ViewState.OriginX = -1.0;  // every offset positive, away from the truncation towards zero
  for (const double scale : {10.0, 40.0}) {
    ViewState.Scale = scale;
    canvas.Clear();
    ShowLineConnectionCheck();
    const int x0 = 100 + static_cast<int>(scale);
    const int x1 = 100 + 3 * static_cast<int>(scale);
    EXPECT_EQ("fill 0 0 200 100 #000000", canvas.Calls().front());
    EXPECT_EQ((Calls{StrFormat("line %d 50 %d 50", x0 + 5, x1 - 5)}), LinesIn("#00FFFF"));
    EXPECT_EQ(StrFormat("ellipse %d 45 %d 55 #00FFFF w1 solid copy", x0 - 5, x0 + 5),
              canvas.Calls().back());
  }
}

TEST_F(ModelChecksTest, OnlyEdgesClosingNoRegionAreRed) {
  PutPoint(0, 0.0, 0.0);
  PutPoint(1, 4.0, 0.0);
  PutPoint(2, 0.0, 4.0);
  PutLine(kLineBoundary, 0, 1);
  PutLine(kLineBoundary, 1, 2);
  PutLine(kLineBoundary, 2, 0);
  ViewState.Scale = 10.0;
  ShowBlockCheck();
  EXPECT_EQ(3u, LinesIn("#FFFFFF").size());
  EXPECT_EQ(Calls{}, LinesIn("#FF0000"));  // a closed triangle
  PutPoint(3, 1.0, 1.0);
  PutLine(kLineBoundary, 0, 3);  // hangs into the triangle
  canvas.Clear();
  ShowBlockCheck();
  const Calls red = LinesIn("#FF0000");
  EXPECT_NE(red.end(), std::find(red.begin(), red.end(), "line 100 50 110 40"));
  EXPECT_NE(red.end(), std::find(red.begin(), red.end(), "line 110 40 100 50"));
  for (const char* outer : {"line 100 50 140 50", "line 140 50 100 10", "line 100 10 100 50"}) {
    EXPECT_EQ(red.end(), std::find(red.begin(), red.end(), outer)) << outer;
  }
}

TEST_F(ModelChecksTest, ASharedWaterPointIsFactoredOnce) {
  PutPoint(0, 0.0, 2.0);
  PutPoint(1, 2.0, 2.0);
  PutPoint(2, 4.0, 3.0);
  PutLine(kLineResidualWater, 0, 1);
  PutLine(kLineResidualWater, 1, 2);
  PutPoint(3, 2.0, 0.0);
  PutLine(kLineBoundary, 3, 1);  // follows its factored end, as the calculation sees it
  PartialFactors.Factor[kFactorResidualWater] = 2.0;
  ViewState.Scale = 10.0;
  ViewState.OriginX = -1.0;
  ShowWaterLineCheck();
  EXPECT_EQ((Calls{"line 110 30 130 30", "line 130 30 150 20"}), LinesIn("#00FFFF"));
  EXPECT_EQ((Calls{"line 110 10 130 10", "line 130 10 150 -10"}), LinesIn("#FF0000"));
  EXPECT_EQ((Calls{"line 130 50 130 10"}), LinesIn("#FFFFFF"));
  EXPECT_EQ(2.0, PointTable[1].Y);  // the model keeps its heights
}

}  // namespace
}  // namespace selvana
