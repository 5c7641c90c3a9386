// The straight-slip settings dialog of method 5 (TLine_Frm2) and its one instance Line_Frm2:
// the start and end segments with their pitches, where the horizontal forces act and a second
// pass.
#pragma once
#include "dialogs/form_dialog.h"

namespace selvana {

class TLine_Frm2 : public FormDialog {
  Q_OBJECT

 public:
  explicit TLine_Frm2(QWidget* parent = nullptr);

 protected:
  void FormShow() override;
  void Store(const FormControls& form) override;
};

// Created once at start-up; nullptr before.
extern TLine_Frm2* Line_Frm2;

}  // namespace selvana
