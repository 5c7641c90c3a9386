// Test fixtures of the view: a recording canvas and two fake scroll bars lent to the view as the
// main window lends its own, taken back after each test.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/recording_canvas.h"
#include "support/golden_file.h"
#include "view/view_ports.h"

namespace selvana::test {

// A scroll bar that behaves as the toolkit's: Min <= Max always holds (setting one past the other
// moves the other along) and the position is clamped into the range. It records its setters.
class FakeScrollBar : public ViewScrollBar {
 public:
  int Min() const override { return min_; }
  int Max() const override { return max_; }
  int Position() const override { return position_; }
  void SetMin(int value) override;
  void SetMax(int value) override;
  void SetPosition(int value) override;
  void SetSmallChange(int value) override;
  void SetLargeChange(int value) override;
  void SetEnabled(bool enabled) override;

  int SmallChange() const { return small_; }
  int LargeChange() const { return large_; }
  bool Enabled() const { return enabled_; }
  const std::vector<std::string>& Log() const { return log_; }

  // Places the bar without logging (the state before the code under test runs).
  void Place(int min, int max, int position);

 private:
  void Clamp();
  int min_ = 0, max_ = 100, position_ = 0;
  int small_ = 1, large_ = 1;
  bool enabled_ = true;
  std::vector<std::string> log_;
};

// Installs a canvas of width x height and the two bars, and takes the image size into the view.
class ViewFixture : public ::testing::Test {
 protected:
  explicit ViewFixture(int width = 200, int height = 100);
  void SetUp() override;
  void TearDown() override;

  // A project is open (the reset leaves none).
  static void OpenProject();

  RecordingCanvas canvas;
  FakeScrollBar horizontal;
  FakeScrollBar vertical;
};

}  // namespace selvana::test
