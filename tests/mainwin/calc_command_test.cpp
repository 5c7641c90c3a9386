// The run command: dispatch on the method code, the figure after a run with results, and the
// result menus after every run, whatever its outcome.
#include "mainwin/calc_command.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/fellenius_test_slopes.h"
#include "calc/progress/headless.h"
#include "calc/results/consolidation.h"
#include "mainwin/recording_menus.h"
#include "model/project_model.h"
#include "platform/recording_canvas.h"
#include "support/scripted_message_box.h"
#include "view/view_ports.h"
#include "view/view_state.h"

namespace selvana {
namespace {

using test::ScriptedMessageBox;

const char kNoResult[] = "計算：計算結果が得られませんでした。\n";

// Runs each test in a scratch folder (the searches write dump files) with a recording canvas as
// the main view and recording menus.
class CalcCommand : public test::ScratchFolderTest {
 protected:
  void SetUp() override {
    ScratchFolderTest::SetUp();
    ViewPorts = MainViewPorts{};
    ViewPorts.Image = &canvas;
    ResetViewState();
  }
  void TearDown() override {
    ViewPorts = MainViewPorts{};
    ScratchFolderTest::TearDown();
  }
  // The homogeneous slope with one circle of safety factor 1.763, as an open project.
  static void SlopeWithOneCircle() {
    test::BuildHomogeneousSlope(test::Soil{});
    test::SetSingleCircle(20.0, 25.0, std::sqrt(850.0));
    cm.AllowableSafetyFactor = 1.5;
    DataModified = 1;
  }
  // Menus as they stand after an earlier run with results.
  void EarlierResultsOnOffer() {
    CalcStatus = 1;
    menus.last.KekkaEnabled = true;
    menus.last.MZmnDrawVisible = true;
  }

  RecordingCanvas canvas{200, 100};
  test::RecordingDrawingMenus menus;
};

// The family whose fake entry ran last.
const char* ranFamily = "";
int FakeFellenius(CalcProgress&) { return ranFamily = "fellenius", 0; }
int FakeBishop(CalcProgress&) { return ranFamily = "bishop", 0; }
int FakeStraight(CalcProgress&) { return ranFamily = "straight", 0; }

TEST_F(CalcCommand, EachMethodCodeRunsItsFamily) {
  const MethodRunEntries fakes{FakeFellenius, FakeBishop, FakeStraight};
  const struct {
    int kt;
    const char* family;
  } cases[] = {{0, "fellenius"}, {1, "fellenius"}, {2, "bishop"}, {4, "bishop"},
               {3, "straight"},  {5, "straight"},  {6, ""},       {-1, ""}};
  HeadlessProgress progress;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kt);
    ranFamily = "";
    cm.kt = c.kt;
    CalRunClick(progress, fakes);
    EXPECT_STREQ(c.family, ranFamily);
  }
}

TEST_F(CalcCommand, MethodCodeOutsideTheRangeDoesNothing) {
  cm.kt = 7;
  EarlierResultsOnOffer();
  HeadlessProgress progress;
  CalRunClick(progress);
  EXPECT_EQ(1, CalcStatus);
  EXPECT_EQ(0, menus.applied);
  EXPECT_TRUE(canvas.Calls().empty());
}

TEST_F(CalcCommand, RunWithResultsEndsWithTheVerdictAndTheFigure) {
  SlopeWithOneCircle();
  ScriptedMessageBox box;
  box.Expect("計算：正常終了しました。判定(1.763 >= 1.500) OK", "終わり");
  HeadlessProgress progress;
  CalRunClick(progress);
  EXPECT_EQ(1, CalcStatus);
  EXPECT_EQ(1, CircleListCount);
  ASSERT_FALSE(canvas.Calls().empty());
  EXPECT_EQ("fill 0 0 200 100 #000000", canvas.Calls().front());  // the redraw starts black
  EXPECT_TRUE(menus.last.KekkaEnabled);
  EXPECT_TRUE(menus.last.MZmnDrawVisible);
  EXPECT_FALSE(progress.visible());
}

TEST_F(CalcCommand, StoppedRunLeavesTheResultMenusOff) {
  SlopeWithOneCircle();
  EarlierResultsOnOffer();
  ScriptedMessageBox box;
  box.Expect(kNoResult, "メッセージ");
  HeadlessProgress progress(1);
  CalRunClick(progress);
  EXPECT_EQ(-1, CalcStatus);
  EXPECT_TRUE(menus.last.SetsResultItems);
  EXPECT_FALSE(menus.last.KekkaEnabled);
  EXPECT_FALSE(menus.last.MZmnDrawVisible);
  EXPECT_TRUE(canvas.Calls().empty());  // the figure stays as it was
}

TEST_F(CalcCommand, RefusedRunLeavesTheResultMenusOff) {
  SlopeWithOneCircle();
  cm.SliceWidth = 0.0;
  EarlierResultsOnOffer();
  ScriptedMessageBox box;
  box.Expect("分割幅　の値が不正です。", "error");
  HeadlessProgress progress;
  CalRunClick(progress);
  EXPECT_EQ(0, CalcStatus);
  EXPECT_FALSE(menus.last.KekkaEnabled);
  EXPECT_FALSE(menus.last.MZmnDrawVisible);
}

TEST_F(CalcCommand, RegisteredCommandRunsWithTheGivenProgress) {
  CommandTable table;
  HeadlessProgress progress(1);
  RegisterCalcCommand(table, progress);
  SlopeWithOneCircle();
  ScriptedMessageBox box;
  box.Expect(kNoResult, "メッセージ");
  EXPECT_TRUE(table.Run(MainCommand::CalRun));
  EXPECT_EQ(1, progress.polls());
}

}  // namespace
}  // namespace selvana
