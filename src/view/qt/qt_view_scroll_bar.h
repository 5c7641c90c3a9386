// The view's scroll-bar interface on a QScrollBar of the main window. Values set through it
// never emit the bar's signals, so the window's change handlers run only for the user's moves.
#pragma once
#include "view/view_ports.h"

class QScrollBar;

namespace selvana {

class QtViewScrollBar : public ViewScrollBar {
 public:
  explicit QtViewScrollBar(QScrollBar* bar) : bar_(bar) {}

  int Min() const override;
  int Max() const override;
  int Position() const override;
  void SetMin(int value) override;
  void SetMax(int value) override;
  void SetPosition(int value) override;
  void SetSmallChange(int value) override;
  void SetLargeChange(int value) override;
  void SetEnabled(bool enabled) override;

 private:
  QScrollBar* bar_;
};

}  // namespace selvana
