// The display settings dialog (TDisp_Frm) and its one instance Disp_Frm: what the main view
// shows and the pitches of its background grid. View settings, not project data.
#pragma once
#include "dialogs/form_dialog.h"

namespace selvana {

class TDisp_Frm : public FormDialog {
  Q_OBJECT

 public:
  explicit TDisp_Frm(QWidget* parent = nullptr);

 protected:
  void FormShow() override;
  void ApplyEnabling(FormControls& form) override;
  void Store(const FormControls& form) override;
};

// Created once at start-up; nullptr before.
extern TDisp_Frm* Disp_Frm;

}  // namespace selvana
