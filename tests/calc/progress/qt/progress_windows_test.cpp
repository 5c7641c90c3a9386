// The progress and abort windows: their layout, the lines a calculation writes, and a stop asked
// on the abort window reaching the calculation at its next poll.
#include "calc/progress/qt/qt_calc_progress.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <chrono>
#include <memory>

#include "calc/progress/qt/Msg.h"
#include "calc/progress/qt/Stop.h"
#include "model/project_model.h"
#include "support/fake_clock.h"

namespace selvana {
namespace {

class ProgressWindows : public ::testing::Test {
 protected:
  ProgressWindows() : msg(new TMsg_Frm), stop(new TStop_Frm(msg.get())), progress(*msg, *stop) {}

  void PostClick() {
    const QPointF at(10, 10);
    QApplication::postEvent(stop.get(),
                            new QMouseEvent(QEvent::MouseButtonPress, at, at, stop->mapToGlobal(at),
                                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
  }

  std::unique_ptr<TMsg_Frm> msg;
  std::unique_ptr<TStop_Frm> stop;
  QtCalcProgress progress;
};

TEST_F(ProgressWindows, DesignedFrameGivesTheOuterSize) {
  const QSize frame(2 * kMsgBorder, 2 * kMsgBorder + kMsgCaption);
  EXPECT_EQ(msg->size() + frame, QSize(480, 228));
  EXPECT_EQ(msg->windowTitle().toStdString(), "メッセージの表示");
  EXPECT_EQ(msg->Panel1()->text().toStdString(), "計算中止");
}

// The abort window's face lies exactly on Panel1 whatever frame the desktop draws around the
// progress window (none here, unlike the designed one) and wherever the window is moved.
TEST_F(ProgressWindows, AbortWindowCoversPanel1WhereverTheProgressWindowLies) {
  progress.Show();
  for (const QPoint shift : {QPoint(0, 0), QPoint(37, -53), QPoint(-120, 80)}) {
    SCOPED_TRACE(QString("%1,%2").arg(shift.x()).arg(shift.y()).toStdString());
    msg->move(msg->pos() + shift);
    EXPECT_FALSE(progress.PollStop());
    const QLabel& panel = *msg->Panel1();
    EXPECT_EQ(QRect(panel.mapToGlobal(QPoint(0, 0)), panel.size()), stop->frameGeometry());
  }
}

TEST_F(ProgressWindows, LinesAreDueOnlyAPauseAfterTheLastRepaint) {
  for (const std::chrono::nanoseconds uptime : kUptimes) {
    SCOPED_TRACE(uptime.count());
    FakeClock clock(uptime);
    QtCalcProgress fresh(*msg, *stop);
    fresh.SetClock(clock.Reader());
    EXPECT_TRUE(fresh.LinesDue());  // never repainted
    fresh.Repaint();
    EXPECT_FALSE(fresh.LinesDue());
    clock.now += kRepaintPause - std::chrono::nanoseconds(1);
    EXPECT_FALSE(fresh.LinesDue());
    clock.now += std::chrono::nanoseconds(1);
    EXPECT_TRUE(fresh.LinesDue());
  }
}

TEST_F(ProgressWindows, LinesTakeTheCalculationsTexts) {
  progress.SetLine(2, "円形中心　X =   1.000");
  progress.SetLine(9, "ignored");
  EXPECT_EQ(msg->Line(2)->text().toStdString(), "円形中心　X =   1.000");
  EXPECT_TRUE(msg->Line(8)->text().isEmpty());
}

TEST_F(ProgressWindows, WidestLinesOfTheSearchesShowWhole) {
  // The program's font substitution, made before the window is built as at start-up.
  QFont::insertSubstitution(QString::fromUtf8("ＭＳ ゴシック"), "UmePlus Gothic");
  const TMsg_Frm window;
  // Every "%8.3f" of a search line is eight characters wide whatever its value.
  const char* widest[] = {
      "　　すべり角範囲　 α=-100.000 ～ 100.000 (step  10.000 )",
      "円形中心　X =-100.000 ～ 100.000 (step  10.000 )",
      "すべり円  (X,Y)=-10.000,-10.000 R= 10.000 F=1.000",
  };
  for (const char* line : widest) {
    const QLabel* label = window.Line(3);
    const int needed = label->fontMetrics().horizontalAdvance(QString::fromUtf8(line));
    EXPECT_LE(needed, label->width()) << line;
  }
}

TEST_F(ProgressWindows, ShowKeepsTheAbortWindowModalUntilHide) {
  progress.Show();
  EXPECT_TRUE(msg->isVisible());
  EXPECT_TRUE(stop->isVisible());
  EXPECT_EQ(QApplication::activeModalWidget(), stop.get());  // the other windows take no input
  progress.Hide();
  EXPECT_FALSE(msg->isVisible());
  EXPECT_FALSE(stop->isVisible());
}

TEST_F(ProgressWindows, PollWithoutInputDoesNotStop) {
  progress.Show();
  EXPECT_FALSE(progress.PollStop());
  EXPECT_FALSE(AbortRequested(progress));
  EXPECT_EQ(CalcStatus, 0);
}

TEST_F(ProgressWindows, ClickWaitingForTheAbortWindowStopsAtTheNextPoll) {
  progress.Show();
  PostClick();
  EXPECT_TRUE(AbortRequested(progress));
  EXPECT_EQ(CalcStatus, -1);
  EXPECT_FALSE(progress.PollStop());  // the request was taken once
}

TEST_F(ProgressWindows, KeyOnTheAbortWindowStops) {
  progress.Show();
  QApplication::postEvent(stop.get(),
                          new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier));
  EXPECT_TRUE(progress.PollStop());
}

TEST_F(ProgressWindows, ClickBeforeTheRunIsNotAStop) {
  PostClick();
  QApplication::processEvents();
  progress.Show();
  EXPECT_FALSE(progress.PollStop());
}

}  // namespace
}  // namespace selvana
