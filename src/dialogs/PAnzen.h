// The partial safety factors dialog (TPA_Frm) and its one instance PA_Frm: the 19 factors the
// calculation uses, edited in a grid (an empty cell means 1.0), imported from and exported to a
// partial-factor file.
#pragma once
#include "dialogs/table_form.h"
#include "model/project_model.h"

namespace selvana {

class TPA_Frm : public TableForm {
  Q_OBJECT

 public:
  explicit TPA_Frm(QWidget* parent = nullptr);

  QPushButton* Button1() const { return button1_; }  // "インポート"
  QPushButton* Button2() const { return button2_; }  // "エクスポート"

  // Import: reads a chosen file into the working copy and shows its factors.
  void Button1Click();
  // Export: writes the factors of the grid to a chosen file; a cell that holds no number is
  // refused first, as OK refuses it, and nothing is written.
  void Button2Click();

 protected:
  // Takes the working copy from the model and shows its factors; the OK button gets the focus.
  void FormShow() override;
  // Stores all 32 factors from the grid.
  void OkClick() override;

 private:
  QPushButton* button1_ = nullptr;
  QPushButton* button2_ = nullptr;
  PartialFactorsRecord factors_;
};

// Created once at start-up; nullptr before.
extern TPA_Frm* PA_Frm;

}  // namespace selvana
