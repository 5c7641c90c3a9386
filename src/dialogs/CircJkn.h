// The slip-circle search settings dialog (TCirc_Frm) and its one instance Circ_Frm.
// Its controls and handlers are not built yet: for now it is an empty window of its size.
#pragma once
#include "dialogs/settings_form.h"

namespace selvana {

class TCirc_Frm : public SettingsForm {
  Q_OBJECT

 public:
  explicit TCirc_Frm(QWidget* parent = nullptr);
};

// Created once at start-up; nullptr before.
extern TCirc_Frm* Circ_Frm;

}  // namespace selvana
