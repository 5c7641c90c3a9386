// The view fixtures: fake scroll bars and the installing of a recording canvas.
#include "view_test_support.h"

#include <algorithm>

#include "model/project_model.h"
#include "platform/number_format.h"
#include "view/view_state.h"

namespace selvana::test {

void FakeScrollBar::Clamp() { position_ = std::clamp(position_, min_, max_); }

void FakeScrollBar::SetMin(int value) {
  log_.push_back(StrFormat("min %d", value));
  min_ = value;
  max_ = std::max(max_, value);
  Clamp();
}

void FakeScrollBar::SetMax(int value) {
  log_.push_back(StrFormat("max %d", value));
  max_ = value;
  min_ = std::min(min_, value);
  Clamp();
}

void FakeScrollBar::SetPosition(int value) {
  log_.push_back(StrFormat("position %d", value));
  position_ = value;
  Clamp();
}

void FakeScrollBar::SetSmallChange(int value) {
  log_.push_back(StrFormat("small %d", value));
  small_ = value;
}

void FakeScrollBar::SetLargeChange(int value) {
  log_.push_back(StrFormat("large %d", value));
  large_ = value;
}

void FakeScrollBar::SetEnabled(bool enabled) {
  log_.push_back(enabled ? "enabled" : "disabled");
  enabled_ = enabled;
}

void FakeScrollBar::Place(int min, int max, int position) {
  min_ = min;
  max_ = max;
  position_ = position;
}

ViewFixture::ViewFixture(int width, int height) : canvas(width, height) {}

void ViewFixture::SetUp() {
  ViewPorts = MainViewPorts{};
  ViewPorts.Image = &canvas;
  ViewPorts.HorizontalBar = &horizontal;
  ViewPorts.VerticalBar = &vertical;
  ResetViewState();
}

void ViewFixture::TearDown() { ViewPorts = MainViewPorts{}; }

void ViewFixture::OpenProject() { DataModified = 0; }

}  // namespace selvana::test
