// The progress object a search is given: the abort poll, the order line and the headless
// stand-in.
#include "calc/progress/progress.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "calc/progress/headless.h"
#include "model/project_model.h"

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
  HeadlessProgress progress;
  progress.SetLinePause(std::chrono::hours(1));
  EXPECT_TRUE(progress.LinesDue());  // nothing repainted yet
  progress.Repaint();
  EXPECT_FALSE(progress.LinesDue());
  EXPECT_FALSE(progress.LinesDue());
  progress.SetLinePause(std::chrono::milliseconds(2));
  std::this_thread::sleep_for(std::chrono::milliseconds(5));
  EXPECT_TRUE(progress.LinesDue());
  progress.SetLinePause(std::chrono::nanoseconds(0));
  EXPECT_TRUE(progress.LinesDue());
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
