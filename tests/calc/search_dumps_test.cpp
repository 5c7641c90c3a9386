// The dump files of every method on one small slope, against a golden file: a change meant to
// leave the calculation as it is (a new layout, a faster walk) must leave every digit of them.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "calc/bishop_run_entry.h"
#include "calc/fellenius_test_slopes.h"
#include "calc/progress/headless.h"
#include "calc/results/consolidation.h"
#include "calc/run_entry.h"
#include "calc/straight_run.h"
#include "model/project_model.h"
#include "platform/number_format.h"
#include "support/golden_file.h"
#include "support/reset_all.h"
#include "support/scripted_message_box.h"

namespace selvana::test {
namespace {

// One grid order of 3 x 2 centres with 3 radii each (the refinement of later orders has tests
// of its own and would make the golden ten times as long).
void SetCircleSearch(CircleSearchSettings& s) {
  s.CentreX = {14.0, 22.0, 4.0, 0.0};
  s.CentreY = {24.0, 28.0, 4.0, 0.0};
  s.Radius = {24.0, 28.0, 2.0, 0.0};
}

// Method 3 from the toe over 20..40 degrees at 5, up to the right, in two passes; method 5 in
// one pass from three points of (0, 0)-(10, 0) to three of (35, 10)-(55, 10).
void SetLineSearch(int method) {
  StraightSlipSettings.Passes = method == kMethodLineFromPoint ? 2 : 1;
  if (method == kMethodLineFromPoint) {
    const int limit = AddTestPoint(1000, 10000);
    LineTable[LineCount++] = {kLineLargeArcLimitPoint, limit, limit, 1};
    StraightSlipSettings.PointX[0] = 10.0;
    StraightSlipSettings.PointY[0] = 0.0;
    StraightSlipSettings.Range = {20.0, 40.0, 5.0, 0.0};
    StraightSlipSettings.Side = 1;
  } else {
    StraightSlipSettings.PointX = {0.0, 10.0, 35.0, 55.0};
    StraightSlipSettings.PointY = {0.0, 0.0, 10.0, 10.0};
    StraightSlipSettings.Range = {5.0, 10.0, 0.0, 0.0};
  }
}

int RunMethod(int method, CalcProgress& progress) {
  switch (method) {
    case kMethodFellenius:
    case kMethodTschebotarioff: return RunCircleCalcFellenius(progress);
    case kMethodBishop:
    case kMethodModifiedBishop: return RunCircleCalcBishop(progress);
    default: return RunStraightLineCalc(progress);
  }
}

class SearchDumps : public ScratchFolderTest {};

constexpr const char* kDumpFiles[] = {"answer1.dmp", "answer2.dmp"};

TEST_F(SearchDumps, EveryMethodWritesTheDumpFilesItAlwaysHas) {
  std::string all;
  for (int method = kMethodFellenius; method <= kMethodLineBetweenSegments; ++method) {
    for (const char* name : kDumpFiles) std::filesystem::remove(name);
    ResetAllState();
    BuildHomogeneousSlope(Soil{});
    cm.kt = method;
    SetCircleSearch(FelleniusCircleSettings);
    SetCircleSearch(BishopCircleSettings);
    if (method == kMethodLineFromPoint || method == kMethodLineBetweenSegments) {
      SetLineSearch(method);
    }
    ScriptedMessageBox box;
    box.ExpectPrefix("計算：正常終了しました。", "終わり");
    HeadlessProgress progress;
    ASSERT_EQ(0, RunMethod(method, progress)) << "method " << method;
    all += StrFormat("== method %d: Fmin %.3f\r\n", method, Fmin);
    for (const char* name : kDumpFiles) {
      if (HasFile(name)) all += std::string("-- ") + name + "\r\n" + ReadFile(name);
    }
  }
  ExpectGolden(all, "calc/search_dumps.txt");
}

}  // namespace
}  // namespace selvana::test
