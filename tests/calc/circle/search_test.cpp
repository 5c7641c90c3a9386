// The circle search: radius grain and sequence, the cutting of circles into slip surfaces
// (closed at air, pressure water and soil without strength, made invalid by structures, uncut
// lines and the mode-1 pile), the homogeneous slope against an independent slice sum, grid
// extension and refinement, the abort poll and the dump files.
#include "calc/circle/search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "calc/circle/fellenius_search.h"
#include "calc/fellenius_test_slopes.h"
#include "calc/progress/headless.h"
#include "calc/results/slip_result.h"
#include "calc/run_data.h"
#include "calc/slicing/polygons.h"

namespace selvana {
namespace {

using test::AddBoundaryChain;
using test::AddTestBlock;
using test::AddTestLine;
using test::AddTestPoint;
using test::BuildHomogeneousSlope;
using test::SetSingleCircle;
using test::Soil;

// ---- Radius grain and radius sequence ----

TEST(CircleSearchRadii, GrainFollowsThePitch) {
  struct Case {
    double pitch, grain;
  };
  const Case cases[] = {{2000.0, 1000.0}, {150.0, 100.0}, {20.0, 10.0}, {2.0, 1.0},
                        {1.0, 1.0},       {0.5, 0.5},     {0.3, 0.1},   {0.1, 0.1},
                        {0.05, 0.05},     {0.02, 0.01},   {0.001, 0.01}};
  for (const Case& c : cases) EXPECT_EQ(c.grain, RadiusGrain(c.pitch)) << "pitch " << c.pitch;
}

// A method that only records the circles the walk hands it; with accepts, each closed surface
// counts as stored in its order's table (the minimum stays at centre 0), so the walk goes on.
class RecordingMethod : public CircleMethod {
 public:
  bool accepts = false;
  struct Circle {
    int order0;
    double cx, cy, R;
  };
  std::vector<Circle> circles;
  std::vector<std::pair<double, double>> centres;
  void ResetRecord(int order0, double cx, double cy, double R) override {
    if (!closing_) circles.push_back({order0, cx, cy, R});
  }
  void AddSlice(double, double, double, int, double, double, double, double) override {}
  void CloseSurface(int order0, double cx, double cy, double R) override {
    closing_ = true;
    if (accepts) ++SlipResultCount[order0];
    ResetRecord(order0, cx, cy, R);
    closing_ = false;
  }
  bool StoppedBySheetPile() const override { return true; }
  void CentreReached(double cx, double cy) override { centres.emplace_back(cx, cy); }

 private:
  bool closing_ = false;
};

class CircleSearchWalk : public test::ScratchFolderTest {
 protected:
  std::vector<double> RadiiFor(double rMin, double rMax, double pitch) {
    SetSingleCircle(0.0, 0.0, 0.0);
    FelleniusCircleSettings.Radius = {rMin, rMax, pitch, 0.0};
    RecordingMethod method;
    HeadlessProgress progress;
    EXPECT_EQ(0, SearchCircles(FelleniusCircleSettings, method, progress));
    std::vector<double> radii;
    for (const auto& c : method.circles) radii.push_back(c.R);
    return radii;
  }
};

void ExpectRadii(const std::vector<double>& expected, const std::vector<double>& actual) {
  ASSERT_EQ(expected.size(), actual.size());
  // 1e-9: radii are accumulated in steps of the pitch, so they carry rounding of the steps.
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(expected[i], actual[i], 1e-9);
}

TEST_F(CircleSearchWalk, RadiiStartOnTheGrainAndAreClamped) {
  ExpectRadii({2.15, 2.2, 2.3, 2.4, 2.45}, RadiiFor(2.15, 2.45, 0.1));
  ExpectRadii({2.1, 2.4, 2.7, 3.0, 3.3}, RadiiFor(2.1, 3.4, 0.3));
  ExpectRadii({5.0}, RadiiFor(5.0, 5.00005, 0.1));
  ExpectRadii({3.0, 3.5, 4.0}, RadiiFor(3.0, 4.0, 0.5));
  ExpectRadii({3.2, 3.5, 4.0}, RadiiFor(3.2, 4.0, 0.5));
  ExpectRadii({7.04, 7.05, 7.06}, RadiiFor(7.04, 7.06, 0.01));
}

TEST_F(CircleSearchWalk, CentresAreShiftedAndPolledOncePerCentre) {
  FelleniusCircleSettings.CentreX = {0.0, 2.0, 1.0, 0.0};
  FelleniusCircleSettings.CentreY = {5.0, 6.0, 1.0, 0.0};
  FelleniusCircleSettings.Radius = {1.0, 1.0, 1.0, 0.0};
  FelleniusCircleSettings.HighestGridOrder = 1;
  RecordingMethod method;
  HeadlessProgress progress;
  ASSERT_EQ(0, SearchCircles(FelleniusCircleSettings, method, progress));
  ASSERT_EQ(6u, method.centres.size());
  EXPECT_EQ(6, progress.polls());
  // Columns left to right, each column top down, every centre 1e-5 off the user's grid.
  EXPECT_DOUBLE_EQ(0.00001, method.centres[0].first);
  EXPECT_DOUBLE_EQ(6.00001, method.centres[0].second);
  EXPECT_DOUBLE_EQ(5.00001, method.centres[1].second);
  EXPECT_DOUBLE_EQ(2.00001, method.centres[5].first);
  EXPECT_FALSE(progress.visible());
}

TEST_F(CircleSearchWalk, HighestGridOrderFromAFileIsHeldToFour) {
  SetSingleCircle(0.0, 0.0, 1.0);
  FelleniusCircleSettings.HighestGridOrder = 9;
  RecordingMethod method;
  method.accepts = true;
  HeadlessProgress progress;
  ASSERT_EQ(0, SearchCircles(FelleniusCircleSettings, method, progress));
  int highest = 0;
  for (const auto& c : method.circles) highest = std::max(highest, c.order0);
  EXPECT_EQ(3, highest);
  EXPECT_TRUE(HasFile("answer4.dmp"));
}

TEST_F(CircleSearchWalk, RefinementWithTheSmallestPitchKeepsTheAxis) {
  FelleniusCircleSettings.CentreX = {0.0, 0.002, 0.001, 0.0};
  FelleniusCircleSettings.CentreY = {0.0, 0.0, 1.0, 0.0};
  FelleniusCircleSettings.Radius = {1.0, 1.0, 1.0, 0.0};
  FelleniusCircleSettings.HighestGridOrder = 2;
  RecordingMethod method;
  method.accepts = true;
  HeadlessProgress progress;
  ASSERT_EQ(0, SearchCircles(FelleniusCircleSettings, method, progress));
  EXPECT_DOUBLE_EQ(0.00001, RunData.SearchGrid.CentreX[0]);
  EXPECT_DOUBLE_EQ(0.001, RunData.SearchGrid.CentreX[2]);
  // The Y axis is centred on the minimum (centre 0) with half the pitch.
  EXPECT_DOUBLE_EQ(-1.0, RunData.SearchGrid.CentreY[0]);
  EXPECT_DOUBLE_EQ(0.5, RunData.SearchGrid.CentreY[2]);
}

TEST_F(CircleSearchWalk, StopAtPollNKeepsWhatWasStored) {
  FelleniusCircleSettings.CentreX = {0.0, 4.0, 1.0, 0.0};
  FelleniusCircleSettings.CentreY = {0.0, 0.0, 1.0, 0.0};
  FelleniusCircleSettings.Radius = {1.0, 1.0, 1.0, 0.0};
  RecordingMethod method;
  HeadlessProgress progress(3);
  EXPECT_EQ(-1, SearchCircles(FelleniusCircleSettings, method, progress));
  EXPECT_EQ(-1, CalcStatus);
  EXPECT_EQ(2u, method.circles.size());
  EXPECT_EQ(3, progress.polls());
}

// ---- Slip surfaces of real slopes, checked against an independent slice sum ----

constexpr double kCx = 20.00001, kCy = 25.00001;  // the centre (20, 25) as the search shifts it
const double kR = std::sqrt(850.0);

double Arc(double x) { return kCy - std::sqrt(kR * kR - (x - kCx) * (x - kCx)); }
double SlopeGround(double x) { return x <= 10.0 ? 0.0 : (x <= 30.0 ? (x - 10.0) / 2.0 : 10.0); }

// One soil layer of the hand sum: what lies between bottom(x) and top(x), above the arc.
struct Layer {
  std::function<double(double)> top, bottom;
  double gamma;
};

struct HandSum {
  double mr = 0.0, md = 0.0;
};

// The Fellenius sums of the slices between the given breakpoints (descending), each interval
// cut into slices of at most width, on a base of cohesion c and friction angle phi: the weight
// of each slice from the layers at the slice middle, the base as the chord of the arc.
HandSum SumSlices(const std::vector<double>& breaks, double width, const std::vector<Layer>& layers,
                  double c, double phiDegrees) {
  HandSum sum;
  const double tanPhi = std::tan(phiDegrees * 3.14159265358979323846 / 180.0);
  for (std::size_t i = 0; i + 1 < breaks.size(); ++i) {
    const double n = std::ceil((breaks[i] - breaks[i + 1]) / width);
    const double w = (breaks[i] - breaks[i + 1]) / n;
    for (int j = 0; j < n; ++j) {
      const double xR = breaks[i] - j * w, xL = xR - w, xm = xR - w / 2.0;
      double weight = 0.0;
      for (const Layer& layer : layers) {
        const double top = std::max(layer.top(xm), Arc(xm));
        const double bottom = std::max(layer.bottom(xm), Arc(xm));
        weight += layer.gamma * (top - bottom) * w;
      }
      const double alpha = std::atan2(Arc(xR) - Arc(xL), w);
      const double chord = std::hypot(w, Arc(xR) - Arc(xL));
      sum.mr += weight * std::cos(alpha) * tanPhi * kR + c * chord * kR;
      sum.md += weight * std::sin(alpha) * kR;
    }
  }
  return sum;
}

// Where the arc meets the slope: (45, 10) on the crest and (5, 0) at the toe.
const double kRightEnd = kCx + std::sqrt(kR * kR - (kCy - 10.0) * (kCy - 10.0));
const double kLeftEnd = kCx - std::sqrt(kR * kR - kCy * kCy);

const Layer kSlopeSoil{SlopeGround, [](double) { return -10.0; }, 18.0};

class CircleSearchSlopes : public test::ScratchFolderTest {
 protected:
  void SetUp() override {
    ScratchFolderTest::SetUp();
    ResetCalcRunData();
  }
  // Runs the Fellenius search on the model as it stands; returns its result.
  int Search() {
    BuildBlockPolygons();
    HeadlessProgress progress;
    return SearchCirclesFellenius(progress);
  }
  const SlipResult& Stored(int i) const { return SlipResultTable[0][i]; }
};

// Relative tolerance of sums that the search and the hand sum form from the same slices: only
// the order of the additions differs.
void ExpectSameSum(double expected, double actual, const char* what) {
  EXPECT_NEAR(expected, actual, 1e-9 * std::fabs(expected))
      << what << ": expected " << expected << ", actual " << actual;
}

TEST_F(CircleSearchSlopes, HomogeneousSlopeInFourSlicesMatchesTheHandSum) {
  BuildHomogeneousSlope(Soil{});
  SetSingleCircle(20.0, 25.0, std::sqrt(850.0));
  cm.SliceWidth = 100.0;
  ASSERT_EQ(0, Search());
  ASSERT_EQ(1, SlipResultCount[0]);
  const HandSum hand =
      SumSlices({kRightEnd, 30.0, kCx, 10.0, kLeftEnd}, 100.0, {kSlopeSoil}, 10.0, 20.0);
  const SlipResult& r = Stored(0);
  ExpectSameSum(hand.mr, r.mr, "mr");
  ExpectSameSum(hand.md, r.md, "md");
  EXPECT_EQ(1.464, r.f);  // mr / md = 1.46488, away from a truncation step
  EXPECT_NEAR(kRightEnd, r.sx, 1e-9);
  EXPECT_NEAR(kLeftEnd, r.ex, 1e-9);
  EXPECT_EQ(1, CalcStatus);
}

TEST_F(CircleSearchSlopes, HomogeneousSlopeInThinSlices) {
  BuildHomogeneousSlope(Soil{});
  SetSingleCircle(20.0, 25.0, std::sqrt(850.0));
  ASSERT_EQ(0, Search());
  ASSERT_EQ(1, SlipResultCount[0]);
  const HandSum hand =
      SumSlices({kRightEnd, 30.0, kCx, 10.0, kLeftEnd}, 0.1, {kSlopeSoil}, 10.0, 20.0);
  ExpectSameSum(hand.mr, Stored(0).mr, "mr");
  ExpectSameSum(hand.md, Stored(0).md, "md");
  EXPECT_EQ(1.763, Stored(0).f);  // mr / md = 1.76381
}

TEST_F(CircleSearchSlopes, PureCohesionMatchesTheClosedForm) {
  BuildHomogeneousSlope(Soil{.c0 = 30.0, .phi = 0.0});
  SetSingleCircle(20.0, 25.0, std::sqrt(850.0));
  ASSERT_EQ(0, Search());
  ASSERT_EQ(1, SlipResultCount[0]);
  // F = c (πR/2) R / M with M the moment of the sliding mass about the centre, integrated
  // finely here; the arc spans a quarter circle.
  double moment = 0.0;
  const int n = 400000;
  const double dx = (kRightEnd - kLeftEnd) / n;
  for (int i = 0; i < n; ++i) {
    const double x = kLeftEnd + (i + 0.5) * dx;
    moment += 18.0 * (x - kCx) * (SlopeGround(x) - Arc(x)) * dx;
  }
  const double closedForm = 30.0 * (3.14159265358979323846 * kR / 2.0) * kR / moment;
  // 1e-4: the search sums chords instead of the arc and slice-middle heights instead of the
  // area; on 0.1 m slices of a 29 m circle both differ from the integral by about 1e-5.
  EXPECT_NEAR(closedForm, Stored(0).mr / Stored(0).md, 1e-4 * closedForm);
  EXPECT_NEAR(1.0899, closedForm, 1e-4);
}

TEST_F(CircleSearchSlopes, MirroringTheSlopeLeavesTheSafetyFactor) {
  BuildHomogeneousSlope(Soil{}, true);
  SetSingleCircle(-20.0, 25.0, std::sqrt(850.0));
  ASSERT_EQ(0, Search());
  ASSERT_EQ(1, SlipResultCount[0]);
  EXPECT_EQ(1.763, Stored(0).f);
  EXPECT_EQ(-1, SlopeDirection);
  EXPECT_GT(Stored(0).mdw, 0.0);
}

TEST_F(CircleSearchSlopes, PondAtTheToePushesBack) {
  // Water up to y = 3 in front of the slope: split the toe boundary and the slope at y = 3.
  const int a = AddTestPoint(-10, 0), b = AddTestPoint(10, 0), w = AddTestPoint(16, 3);
  const int c = AddTestPoint(30, 10), d = AddTestPoint(50, 10), e = AddTestPoint(50, -10);
  const int f = AddTestPoint(-10, -10), g = AddTestPoint(-10, 3);
  AddBoundaryChain({a, b, w, c, d, e, f});
  AddTestLine(kLineBoundary, w, g);
  AddTestLine(kLineBoundary, g, a);
  AddTestBlock(20, 0, Soil{});
  AddTestBlock(
      0, 1,
      Soil{.gammaT = 10.0, .gammaE = 10.0, .c0 = 0.0, .phi = 0.0, .kind = kBlockPressureWater});
  SetSingleCircle(20.0, 25.0, std::sqrt(850.0));
  cm.SliceWidth = 100.0;
  ASSERT_EQ(0, Search());
  // The soil part ends at the toe (5, 0), where the water piece closes it; the water piece
  // itself has no slice and is not stored.
  ASSERT_EQ(1, SlipResultCount[0]);
  const Layer water{[](double) { return 3.0; },
                    [](double x) { return std::min(SlopeGround(x), 3.0); }, 10.0};
  const HandSum hand = SumSlices({kRightEnd, 30.0, kCx, 16.0, 10.0, kLeftEnd}, 100.0,
                                 {kSlopeSoil, water}, 10.0, 20.0);
  // The water column of 3 m at the toe: 45 kN/m acting 1 m above the toe, against the slide.
  const double thrust = 10.0 * 3.0 * 3.0 / 2.0 * (kCy - (3.0 + 2.0 * Arc(kLeftEnd)) / 3.0);
  ExpectSameSum(hand.md - thrust, Stored(0).md, "md");
  ExpectSameSum(hand.mr, Stored(0).mr, "mr");
}

// The homogeneous slope split at x = 15 into a soil block on the right and a block of the given
// soil on the left (toe side).
void BuildSplitSlope(const Soil& left) {
  const int a = AddTestPoint(-10, 0), b = AddTestPoint(10, 0), s = AddTestPoint(15, 2.5);
  const int c = AddTestPoint(30, 10), d = AddTestPoint(50, 10), e = AddTestPoint(50, -10);
  const int t = AddTestPoint(15, -10), f = AddTestPoint(-10, -10);
  AddBoundaryChain({a, b, s, c, d, e, t, f});
  AddTestLine(kLineBoundary, s, t);
  AddTestBlock(20, 0, Soil{});
  AddTestBlock(0, -5, left);
}

TEST_F(CircleSearchSlopes, StructureMakesTheWholeCircleInvalid) {
  BuildSplitSlope(Soil{.kind = kBlockStructure});
  SetSingleCircle(20.0, 25.0, std::sqrt(850.0));
  ASSERT_EQ(0, Search());
  EXPECT_EQ(0, SlipResultCount[0]);
  EXPECT_EQ(0, CalcStatus);
}

TEST_F(CircleSearchSlopes, SoilWithoutStrengthClosesTheSurface) {
  BuildSplitSlope(Soil{.c0 = 0.0, .phi = 0.0});
  SetSingleCircle(20.0, 25.0, std::sqrt(850.0));
  ASSERT_EQ(0, Search());
  ASSERT_EQ(1, SlipResultCount[0]);
  EXPECT_NEAR(kRightEnd, Stored(0).sx, 1e-9);
  EXPECT_NEAR(15.0, Stored(0).ex, 1e-9);
  EXPECT_NEAR(15.0, Stored(0).cex, 1e-9);
}

TEST_F(CircleSearchSlopes, AirBetweenTwoSlopesGivesTwoSurfaces) {
  // A trench 4 m wide and 30 m deep in a level ground at y = 10.
  const int a = AddTestPoint(-30, 10), b = AddTestPoint(-2, 10), c = AddTestPoint(-2, -20);
  const int d = AddTestPoint(2, -20), e = AddTestPoint(2, 10), f = AddTestPoint(30, 10);
  const int g = AddTestPoint(30, -30), h = AddTestPoint(-30, -30);
  AddBoundaryChain({a, b, c, d, e, f, g, h});
  AddTestBlock(0, -25, Soil{});
  SetSingleCircle(0.0, 15.0, 20.0);
  ASSERT_EQ(0, Search());
  ASSERT_EQ(2, SlipResultCount[0]);
  const double end = std::sqrt(400.0 - 25.0);  // where the arc meets the level ground
  EXPECT_NEAR(end, Stored(0).sx, 1e-4);
  EXPECT_NEAR(2.0, Stored(0).ex, 1e-4);
  EXPECT_NEAR(-2.0, Stored(1).sx, 1e-4);
  EXPECT_NEAR(-end, Stored(1).ex, 1e-4);
  // Mirror images of each other: the same safety factor.
  EXPECT_EQ(Stored(0).f, Stored(1).f);
}

TEST_F(CircleSearchSlopes, UncutLinesAndTheModeOnePileStopTheSurface) {
  struct Case {
    const char* name;
    bool uncutLine;
    int pileMode;
    int stored;
  };
  const Case cases[] = {
      {"uncut_line_crossed", true, 0, 0},
      {"pile_not_to_be_crossed", false, 1, 0},
      {"pile_with_passive_pressure_is_crossed", false, 2, 1},
      {"nothing_in_the_way", false, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetProjectData();
    ResetCalcRunData();
    BuildHomogeneousSlope(Soil{});
    if (c.uncutLine) AddTestLine(kLineUncut, AddTestPoint(20, -8), AddTestPoint(20, -2));
    SheetPileSettings.Mode = c.pileMode;
    SheetPileSettings.PileX = 20.0;
    SheetPileSettings.TopElevation = 0.0;
    SheetPileSettings.EmbedmentElevation = -8.0;  // the arc passes x = 20 at y = -4.15
    SetSingleCircle(20.0, 25.0, std::sqrt(850.0));
    ASSERT_EQ(0, Search());
    EXPECT_EQ(c.stored, SlipResultCount[0]);
  }
}

TEST_F(CircleSearchSlopes, MinimumOnTheBorderExtendsTheGrid) {
  BuildHomogeneousSlope(Soil{});
  CircleSearchSettings& s = FelleniusCircleSettings;
  s.CentreX = {12.5, 20.0, 2.5, 0.0};
  s.CentreY = {20.0, 25.0, 2.5, 0.0};
  s.Radius = {20.0, 40.0, 1.0, 0.0};
  s.HighestGridOrder = 1;
  s.ExtendFirstGrid = 2;
  ASSERT_EQ(0, Search());
  const bool onBorder =
      std::fabs(MinSlip.cx - 12.50001) < 0.0001 || std::fabs(MinSlip.cx - 20.00001) < 0.0001 ||
      std::fabs(MinSlip.cy - 20.00001) < 0.0001 || std::fabs(MinSlip.cy - 25.00001) < 0.0001;
  ASSERT_TRUE(onBorder) << "premise: the first grid's minimum lies on its border";

  s.ExtendFirstGrid = 1;
  HeadlessProgress progress;
  BuildBlockPolygons();
  ASSERT_EQ(0, SearchCirclesFellenius(progress));
  EXPECT_GT(progress.polls(), 16);  // more than the 4 x 4 centres of the first pass
  const SearchGridRecord& g = RunData.SearchGrid;
  const bool wider =
      g.CentreX[0] < 12.5 || g.CentreX[1] > 20.001 || g.CentreY[0] < 20.0 || g.CentreY[1] > 25.001;
  EXPECT_TRUE(wider);
  // The last pass's minimum is inside its grid, and the dump holds only the last pass: four
  // lines per stored surface.
  EXPECT_FALSE(std::fabs(MinSlip.cx - g.CentreX[0]) < 0.0001 ||
               std::fabs(MinSlip.cx - g.CentreX[1]) < 0.0001);
  const std::string dump = ReadFile("answer1.dmp");
  EXPECT_EQ(4 * SlipResultCount[0], std::count(dump.begin(), dump.end(), '\n'));
}

TEST_F(CircleSearchSlopes, OrdersRefineAroundTheMinimumAndKeepTheirOwnTables) {
  BuildHomogeneousSlope(Soil{});
  CircleSearchSettings& s = FelleniusCircleSettings;
  s.CentreX = {15.0, 25.0, 5.0, 0.0};
  s.CentreY = {20.0, 30.0, 5.0, 0.0};
  s.Radius = {25.0, 30.0, 1.0, 0.0};
  s.HighestGridOrder = 3;
  ASSERT_EQ(0, Search());
  EXPECT_GT(SlipResultCount[0], 0);
  EXPECT_GT(SlipResultCount[1], 0);
  EXPECT_GT(SlipResultCount[2], 0);
  EXPECT_EQ(0, SlipResultCount[3]);
  EXPECT_DOUBLE_EQ(1.25, RunData.SearchGrid.CentreX[2]);  // 5 halved twice
  EXPECT_EQ(3, SlipResultTable[2][0].order);
  EXPECT_TRUE(HasFile("answer3.dmp"));
  EXPECT_FALSE(HasFile("answer4.dmp"));
}

}  // namespace
}  // namespace selvana
