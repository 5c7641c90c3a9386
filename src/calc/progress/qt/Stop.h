// The abort window TStop_Frm (instance Stop_Frm): a borderless "計算中止" button over the lower
// right corner of the progress window. While a calculation runs it is the one window that takes
// input; a click, double click, mouse press or key on it asks the calculation to stop.
#pragma once
#include <QDialog>

class QLabel;

namespace selvana {

class TMsg_Frm;

class TStop_Frm : public QDialog {
  Q_OBJECT

 public:
  // Builds the window hidden, over the "計算中止" face of msg (which must exist: the progress
  // window is created first).
  explicit TStop_Frm(TMsg_Frm* msg, QWidget* parent = nullptr);

  // Moves the window onto the face where it now lies on the screen. The progress window's frame,
  // drawn by the desktop, is known only once it is shown, and the user may move it later.
  void CoverStopFace();

  // True once the user asked to stop since the last call; clears the request.
  bool TakeStopRequest();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void StopEvent() { stopRequested_ = true; }
  TMsg_Frm* msg_;
  QLabel* label1_ = nullptr;
  bool stopRequested_ = false;
};

// Created once at start-up, directly after the progress window; nullptr before.
extern TStop_Frm* Stop_Frm;

}  // namespace selvana
