// The sheet-pile settings dialog (TYT_Frm) and its one instance YT_Frm: how the calculation
// treats the pile, where it stands, its section values and its passive earth-pressure rows,
// which can be imported from a sheet-pile file.
#pragma once
#include <array>

#include "dialogs/table_form.h"
#include "forms/shown_number.h"
#include "model/project_model.h"

class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace selvana {

class TYT_Frm : public TableForm {
  Q_OBJECT

 public:
  explicit TYT_Frm(QWidget* parent = nullptr);

  // RadioButton1..4 (modes 0..3) and Edit1..6 by their numbers.
  QRadioButton* RadioButton(int number) const { return radios_[number - 1]; }
  QLineEdit* Edit(int number) const { return edits_[number - 1]; }
  QPushButton* Button3() const { return button3_; }  // "インポート"

  // Import: reads a chosen sheet-pile file into the working copies and shows them.
  void Button3Click();

 protected:
  // Takes the working copies from the model and shows them; the OK button gets the focus.
  void FormShow() override;
  // Refuses an edit that holds no number; else stores the controls (the pressure rows cleaned)
  // and redraws the main view from the model.
  void OkClick() override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildControls();
  // The radio buttons of the modes; the edits first..last (0-based) with their captions beside
  // them or above them.
  QGroupBox* ModeGroup();
  QGroupBox* EditGroup(const char* caption, int first, int last, bool captionsAbove);
  void ShowWorkingCopy();
  // The rows and the edits a sheet-pile file carries; the mode, the pile's X and its allowable
  // shear keep what the dialog shows.
  void ShowFileValues();
  void ShowEdit(int index, double value);

  std::array<QRadioButton*, 4> radios_{};
  std::array<QLineEdit*, 6> edits_{};
  std::array<ShownNumber, 6> shown_{};  // the working copy's values behind the edits' texts
  QPushButton* button3_ = nullptr;
  SheetPileSettingsRecord pile_;
  DrawSettingsRecord draw_;
};

// Created once at start-up; nullptr before.
extern TYT_Frm* YT_Frm;

}  // namespace selvana
