// A QScrollBar behind the view's scroll-bar interface, its signals blocked while the view sets it.
#include "view/qt/qt_view_scroll_bar.h"

#include <QScrollBar>
#include <QSignalBlocker>

namespace selvana {

int QtViewScrollBar::Min() const { return bar_->minimum(); }
int QtViewScrollBar::Max() const { return bar_->maximum(); }
int QtViewScrollBar::Position() const { return bar_->value(); }

void QtViewScrollBar::SetMin(int value) {
  const QSignalBlocker quiet(bar_);
  bar_->setMinimum(value);
}

void QtViewScrollBar::SetMax(int value) {
  const QSignalBlocker quiet(bar_);
  bar_->setMaximum(value);
}

void QtViewScrollBar::SetPosition(int value) {
  const QSignalBlocker quiet(bar_);
  bar_->setValue(value);
}

void QtViewScrollBar::SetSmallChange(int value) {
  const QSignalBlocker quiet(bar_);
  bar_->setSingleStep(value);
}

void QtViewScrollBar::SetLargeChange(int value) {
  const QSignalBlocker quiet(bar_);
  bar_->setPageStep(value);
}

void QtViewScrollBar::SetEnabled(bool enabled) { bar_->setEnabled(enabled); }

}  // namespace selvana
