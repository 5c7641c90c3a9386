// The Bishop search as a whole: where it differs from the Fellenius one (the progress line per
// centre, no sheet-pile test, the shares in the dump line) and the grid order held to 1..4.
#include "calc/circle/bishop_search.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "calc/circle/bishop_test_support.h"
#include "calc/circle/fellenius_search.h"
#include "calc/fellenius_test_slopes.h"
#include "calc/progress/headless.h"
#include "calc/results/slip_result.h"
#include "calc/slicing/polygons.h"
#include "platform/number_parse.h"

namespace selvana {
namespace {

using test::BuildHomogeneousSlope;
using test::SetSingleBishopCircle;
using test::Soil;

class BishopSearch : public test::ScratchFolderTest {
 protected:
  void SetUp() override {
    test::ScratchFolderTest::SetUp();
    cm.kt = kMethodBishop;
  }
  int Search(HeadlessProgress& progress) {
    BuildBlockPolygons();
    return SearchCirclesBishop(progress);
  }
};

TEST_F(BishopSearch, EachCentreIsNamedOnTheProgressWindow) {
  BuildHomogeneousSlope(Soil{});
  SetSingleBishopCircle(8.0, 60.0, 1.0);  // a circle in the air: nothing is stored
  HeadlessProgress progress;
  EXPECT_EQ(0, Search(progress));
  EXPECT_EQ("すべり円  (X,Y)=  8.000, 60.000", progress.Line(4));
  EXPECT_EQ(0, SlipResultCount[0]);
}

TEST_F(BishopSearch, SheetPileDoesNotStopBishopCircles) {
  BuildHomogeneousSlope(Soil{});
  SheetPileSettings.Mode = 1;
  SheetPileSettings.PileX = 20.0;
  SheetPileSettings.TopElevation = 20.0;
  SheetPileSettings.EmbedmentElevation = -10.0;
  SetSingleBishopCircle(20.0, 25.0, std::sqrt(850.0));
  HeadlessProgress progress;
  EXPECT_EQ(0, Search(progress));
  EXPECT_EQ(1, SlipResultCount[0]);
  // The Fellenius search refuses the same circle.
  test::SetSingleCircle(20.0, 25.0, std::sqrt(850.0));
  EXPECT_EQ(0, SearchCirclesFellenius(progress));
  EXPECT_EQ(0, SlipResultCount[0]);
}

// The three numbers of the Bishop dump line "      mrf=... mrc=...                mr=... ".
struct DumpShares {
  double friction = 0.0, cohesion = 0.0, total = 0.0;
};

DumpShares ThirdLineShares(const std::string& text) {
  std::istringstream in(text);
  std::string line;
  for (int i = 0; i < 3; ++i) std::getline(in, line);
  const auto after = [&line](const char* key) {
    const std::size_t at = line.find(key);
    EXPECT_NE(std::string::npos, at) << key << " in " << line;
    return at == std::string::npos ? 0.0 : ParseDouble(std::string_view(line).substr(at + 4));
  };
  return {after("mrf="), after("mrc="), after(" mr=")};
}

TEST_F(BishopSearch, DumpLineShowsTheFrictionAndCohesionShares) {
  BuildHomogeneousSlope(Soil{});
  SetSingleBishopCircle(20.0, 25.0, std::sqrt(850.0));
  HeadlessProgress progress;
  EXPECT_EQ(0, Search(progress));
  ASSERT_EQ(1, SlipResultCount[0]);
  const SlipResult& r = SlipResultTable[0][0];
  const DumpShares s = ThirdLineShares(ReadFile("answer1.dmp"));
  EXPECT_GT(s.friction, 0.0);
  EXPECT_GT(s.cohesion, 0.0);
  // Printed with three decimals: each number is off by at most 0.0005.
  EXPECT_NEAR(r.mr, s.total, 0.0005);
  EXPECT_NEAR(r.mr, s.friction + s.cohesion, 0.0015);
  EXPECT_EQ(0.0, r.mrf);
}

TEST_F(BishopSearch, GridOrderIsHeldToOneToFour) {
  struct Case {
    int highest;
    const char* lastFile;
    const char* absentFile;
  };
  const Case cases[] = {{0, "answer1.dmp", "answer2.dmp"}, {9, "answer4.dmp", nullptr}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.highest);
    ResetProjectData();
    cm.kt = kMethodBishop;
    BuildHomogeneousSlope(Soil{});
    CircleSearchSettings& s = BishopCircleSettings;
    s.CentreX = {18.0, 22.0, 2.0, 0.0};
    s.CentreY = {24.0, 26.0, 2.0, 0.0};
    s.Radius = {28.0, 30.0, 1.0, 0.0};
    s.HighestGridOrder = c.highest;
    s.ExtendFirstGrid = 2;
    HeadlessProgress progress;
    EXPECT_EQ(0, Search(progress));
    EXPECT_TRUE(HasFile(c.lastFile));
    if (c.absentFile != nullptr) {
      EXPECT_FALSE(HasFile(c.absentFile));
    }
  }
}

}  // namespace
}  // namespace selvana
