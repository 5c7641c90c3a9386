// The progress window TMsg_Frm (instance Msg_Frm): eight text lines that a calculation rewrites
// as it goes, and the "計算中止" face that the abort window covers.
#pragma once
#include <QWidget>
#include <array>

class QLabel;

namespace selvana {

// The progress window's outer size, and the frame that the layout assumes around its client
// area: 3-pixel borders and a 19-pixel caption. The width holds the widest line a search writes,
// the angle range of the straight line from a point (57 half-width columns of 8 pixels).
inline constexpr int kMsgOuterWidth = 480;
inline constexpr int kMsgOuterHeight = 228;
inline constexpr int kMsgBorder = 3;
inline constexpr int kMsgCaption = 19;

class TMsg_Frm : public QWidget {
  Q_OBJECT

 public:
  // Builds the window hidden and centres it on the screen.
  explicit TMsg_Frm(QWidget* parent = nullptr);

  // Label1..Label8 by number 1..8.
  QLabel* Line(int line) const { return labels_[line - 1]; }
  QLabel* Panel1() const { return panel1_; }

 private:
  std::array<QLabel*, 8> labels_{};
  QLabel* panel1_ = nullptr;
};

// Created once at start-up, directly before the abort window; nullptr before.
extern TMsg_Frm* Msg_Frm;

}  // namespace selvana
