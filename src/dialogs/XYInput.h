// The point input by coordinates dialog (TXY_Frm) and its one instance XY_Frm: while points are
// added it enters a new point, after a point is picked for a move it sets its new position.
#pragma once
#include "dialogs/settings_form.h"
#include "forms/point_input_form.h"

class QLineEdit;
class QPushButton;

namespace selvana {

class TXY_Frm : public SettingsForm {
  Q_OBJECT

 public:
  explicit TXY_Frm(QWidget* parent = nullptr);

  QLineEdit* Edit1() const { return edit1_; }  // number, shown only
  QLineEdit* Edit2() const { return edit2_; }  // X (m)
  QLineEdit* Edit3() const { return edit3_; }  // Y (m)
  QPushButton* Button1() const { return button1_; }

  // Reformats the three edits (number "%4d", coordinates "%10.4f").
  void EditExit();
  // "確　　定": stores and closes with OK; on an existing point's coordinates, or refusing a
  // coordinate that holds no number, it stays open.
  void Button1Click();

 protected:
  void FormShow() override;

 private:
  QLineEdit* edit1_ = nullptr;
  QLineEdit* edit2_ = nullptr;
  QLineEdit* edit3_ = nullptr;
  QPushButton* button1_ = nullptr;
  PointInputTexts shown_;  // what FormShow filled in
};

// Created once at start-up; nullptr before.
extern TXY_Frm* XY_Frm;

}  // namespace selvana
