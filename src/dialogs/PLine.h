// The parallel-line distance dialog (TPLine_Frm) and its one instance PLine_Frm: the distance at
// which the parallel-line operation lays a new boundary line beside the picked one.
#pragma once
#include "dialogs/settings_form.h"
#include "forms/shown_number.h"

class QLineEdit;
class QPushButton;

namespace selvana {

class TPLine_Frm : public SettingsForm {
  Q_OBJECT

 public:
  explicit TPLine_Frm(QWidget* parent = nullptr);

  QLineEdit* Edit1() const { return edit1_; }  // the distance (m)
  QPushButton* Button1() const { return button1_; }
  QPushButton* Button2() const { return button2_; }

  // Rewrites the distance with three decimals.
  void Edit1Exit();
  // "Ｏ　　　　Ｋ": stores the distance and closes with OK; a text that is no number gets a
  // message and keeps the dialog open.
  void Button1Click();

 protected:
  void FormShow() override;

 private:
  QLineEdit* edit1_ = nullptr;
  ShownNumber shown_;  // the distance behind the text FormShow filled in
  QPushButton* button1_ = nullptr;
  QPushButton* button2_ = nullptr;
};

// Created once at start-up; nullptr before.
extern TPLine_Frm* PLine_Frm;

}  // namespace selvana
