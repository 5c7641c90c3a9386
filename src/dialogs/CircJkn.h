// The slip-circle search settings dialog (TCirc_Frm) and its one instance Circ_Frm: the centre
// grid, the radius range or a pass point, grid extension and orders, and the slip direction of
// the circle settings of the current method family.
#pragma once
#include "dialogs/form_dialog.h"

namespace selvana {

class TCirc_Frm : public FormDialog {
  Q_OBJECT

 public:
  explicit TCirc_Frm(QWidget* parent = nullptr);

 protected:
  void FormShow() override;
  void ApplyEnabling(FormControls& form) override;
  std::optional<EditRefusal> RefusedValue(const FormControls& form) const override;
  void Store(const FormControls& form) override;
};

// Created once at start-up; nullptr before.
extern TCirc_Frm* Circ_Frm;

}  // namespace selvana
