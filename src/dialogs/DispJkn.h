// The display settings of the main view dialog (TDisp_Frm) and its one instance Disp_Frm.
// Its controls and handlers are not built yet: for now it is an empty window of its size.
#pragma once
#include "dialogs/settings_form.h"

namespace selvana {

class TDisp_Frm : public SettingsForm {
  Q_OBJECT

 public:
  explicit TDisp_Frm(QWidget* parent = nullptr);
};

// Created once at start-up; nullptr before.
extern TDisp_Frm* Disp_Frm;

}  // namespace selvana
