// The progress object a search is given: the abort poll, the order line and the headless
// stand-in.
#include "calc/progress/progress.h"

#include <gtest/gtest.h>

#include <chrono>

#include "calc/progress/headless.h"
#include "model/project_model.h"
#include "support/fake_clock.h"

namespace selvana {
namespace {

TEST(AbortPoll, StopAtTheGivenPollSetsCalcStatusAndStaysStopped) {
  HeadlessProgress progress(3);
  CalcStatus = 1;  // a surface was stored before the stop
  EXPECT_FALSE(AbortRequested(progress));
  EXPECT_FALSE(AbortRequested(progress));
  EXPECT_TRUE(AbortRequested(progress));
  EXPECT_EQ(CalcStatus, -1);
  EXPECT_TRUE(AbortRequested(progress));  // the request holds until a run clears it
  EXPECT_EQ(progress.polls(), 4);
}

TEST(AbortPoll, NeverStopsWithoutARequest) {
  HeadlessProgress progress;
  for (int i = 0; i < 100; ++i) ASSERT_FALSE(AbortRequested(progress));
  EXPECT_EQ(CalcStatus, 0);
}

TEST(HeadlessProgress, KeepsEightLinesAcrossShowAndHide) {
  HeadlessProgress progress;
  progress.Show();
  progress.SetLine(1, "first");
  progress.SetLine(8, "last");
  progress.SetLine(0, "ignored");
  progress.SetLine(9, "ignored");
  progress.Hide();
  EXPECT_FALSE(progress.visible());
  progress.Show();
  EXPECT_EQ(progress.Line(1), "first");
  EXPECT_EQ(progress.Line(8), "last");
  EXPECT_EQ(progress.Line(9), "");
  EXPECT_EQ(progress.shows(), 2);
}

TEST(HeadlessProgress, EveryLineIsDueWithoutAPause) {
  HeadlessProgress progress;
  EXPECT_TRUE(progress.LinesDue());
  progress.Repaint();
  EXPECT_TRUE(progress.LinesDue());
  EXPECT_EQ(progress.repaints(), 1);
}

TEST(HeadlessProgress, WithAPauseLinesAreDueOnlyOnceItHasPassedSinceTheRepaint) {
  using std::chrono::nanoseconds;
  for (const nanoseconds uptime : kUptimes) {
    SCOPED_TRACE(uptime.count());
    FakeClock clock(uptime);
    HeadlessProgress progress;
    progress.SetClock(clock.Reader());
    progress.SetLinePause(std::chrono::hours(1));
    EXPECT_TRUE(progress.LinesDue());  // nothing repainted yet
    progress.Repaint();
    EXPECT_FALSE(progress.LinesDue());
    clock.now += std::chrono::hours(1) - nanoseconds(1);
    EXPECT_FALSE(progress.LinesDue());
    clock.now += nanoseconds(1);
    EXPECT_TRUE(progress.LinesDue());
    progress.Repaint();
    EXPECT_FALSE(progress.LinesDue());
    progress.SetLinePause(nanoseconds(0));
    EXPECT_TRUE(progress.LinesDue());
  }
}

TEST(HeadlessProgress, FirstLinesAreDueOnTheSteadyClockWhateverTheUptime) {
  HeadlessProgress progress;
  progress.SetLinePause(std::chrono::hours(24 * 365 * 100));  // longer than any uptime
  EXPECT_TRUE(progress.LinesDue());
  progress.Repaint();
  EXPECT_FALSE(progress.LinesDue());
}

TEST(OrderLine, ShowsTheOrderAndTheHighestInTwoColumnsEach) {
  HeadlessProgress progress;
  ShowOrderCount(progress, 2, 4);
  EXPECT_EQ(progress.Line(1), "計算次数= 2    最大次数= 4   ");
  ShowOrderCount(progress, 10, 12);
  EXPECT_EQ(progress.Line(1), "計算次数=10    最大次数=12   ");
}

}  // namespace
}  // namespace selvana
