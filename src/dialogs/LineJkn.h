// The straight-slip settings dialog of method 3 (TLine_Frm) and its one instance Line_Frm: the
// start point, the range of slip angles, where the horizontal forces act, a second pass and
// the side of the start point that slides.
#pragma once
#include "dialogs/form_dialog.h"

namespace selvana {

class TLine_Frm : public FormDialog {
  Q_OBJECT

 public:
  explicit TLine_Frm(QWidget* parent = nullptr);

 protected:
  void FormShow() override;
  std::optional<EditRefusal> RefusedValue(const FormControls& form) const override;
  void Store(const FormControls& form) override;
};

// Created once at start-up; nullptr before.
extern TLine_Frm* Line_Frm;

}  // namespace selvana
