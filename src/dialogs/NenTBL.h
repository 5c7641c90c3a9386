// The cohesion reference line table dialog (TNenT_Frm) and its one instance NenT_Frm.
// Its controls and handlers are not built yet: for now it is an empty window of its size.
#pragma once
#include "dialogs/settings_form.h"

namespace selvana {

class TNenT_Frm : public SettingsForm {
  Q_OBJECT

 public:
  explicit TNenT_Frm(QWidget* parent = nullptr);
};

// Created once at start-up; nullptr before.
extern TNenT_Frm* NenT_Frm;

}  // namespace selvana
