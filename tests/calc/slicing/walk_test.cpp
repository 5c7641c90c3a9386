// The piece walk and uncut-line test shared by the circle and straight-line searches: which
// pieces each search slices, closes at or stops at, and where lengthening the segments matters.
#include "calc/slicing/walk.h"

#include <gtest/gtest.h>

#include <string>

#include "calc/results/safety_factor.h"
#include "calc/results/slip_result.h"
#include "calc/run_data.h"
#include "calc/test_model_builder.h"

namespace selvana {
namespace {

TEST(SlicingWalk, UncutLineTestLengthensOnlyWhenAsked) {
  struct Case {
    const char* name;
    double ux1, uy1, ux2, uy2;  // the uncut line
    int lineKind;
    bool crossesLengthened;
    bool crossesAsItIs;
  };
  // The tested segment runs from (0, 0) to (1, 0); the lengthening is 0.0001 at each end.
  const Case cases[] = {
      {"line_just_beyond_the_segment_end", 1.00005, -1.0, 1.00005, 1.0, kLineUncut, true, false},
      {"line_ending_just_above_the_segment", 0.5, 0.00005, 0.5, 1.0, kLineUncut, true, false},
      {"line_beyond_the_lengthening", 1.0002, -1.0, 1.0002, 1.0, kLineUncut, false, false},
      {"line_through_the_segment", 0.5, -1.0, 0.5, 1.0, kLineUncut, true, true},
      {"boundary_lines_are_not_tested", 0.5, -1.0, 0.5, 1.0, kLineBoundary, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetProjectData();
    test::AddTestLine(c.lineKind, test::AddTestPoint(c.ux1, c.uy1),
                      test::AddTestPoint(c.ux2, c.uy2));
    EXPECT_EQ(c.crossesLengthened, CrossesUncutLine(0.0, 0.0, 1.0, 0.0, true));
    EXPECT_EQ(c.crossesAsItIs, CrossesUncutLine(0.0, 0.0, 1.0, 0.0, false));
  }
}

// Writes what the walk asks for: "close", or "slice" with the piece's block slot.
class RecordingWalker : public SurfacePieceWalker {
 public:
  void CloseSurface() override { calls += "close "; }
  void SlicePiece(double, double, int b, int&) override {
    calls += "slice" + std::to_string(b) + " ";
  }
  std::string calls;
};

// Four pieces from right to left through weight water, soil, a structure and soil again.
void LayPiecesThroughEveryKind() {
  const int kinds[] = {kBlockWeightWater, kBlockSoil, kBlockStructure, kBlockSoil};
  for (const int kind : kinds) test::AddTestBlock(0.0, 0.0, test::Soil{.kind = kind});
  SurfaceHitsRecord& hits = RunData.SurfaceHits;
  hits.Count = 5;
  for (int i = 0; i < hits.Count; ++i) {
    hits.X[i] = 10.0 - 2.0 * i;
    hits.Y[i] = 0.0;
    hits.Block[i] = i < 4 ? i : -1;
  }
}

TEST(SlicingWalk, EachSearchSlicesClosesOrStopsByItsRules) {
  struct Case {
    const char* name;
    SurfaceWalkRules rules;
    const char* calls;
    int invalid;
    double f;  // the mark 999999.9 once the surface is invalid
  };
  const Case cases[] = {
      {"circles_slice_weight_water_and_stop_at_a_structure", kCircleWalk, "slice0 slice1 ", 1,
       kNoSafetyFactor},
      {"lines_from_a_point_close_at_weight_water", kLineFromPointWalk, "close slice1 ", 1,
       kNoSafetyFactor},
      {"lines_between_segments_slice_a_structure", kLineBetweenSegmentsWalk,
       "close slice1 slice2 slice3 ", 0, 1.5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetProjectData();
    ResetCalcRunData();
    LayPiecesThroughEveryKind();
    CurrentSlipResult.f = 1.5;
    RecordingWalker walker;
    WalkSurfacePieces(c.rules, walker);
    EXPECT_EQ(c.calls, walker.calls);
    EXPECT_EQ(c.invalid, SlipInvalid);
    EXPECT_EQ(c.f, CurrentSlipResult.f);
  }
}

}  // namespace
}  // namespace selvana
