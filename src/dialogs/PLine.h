// The parallel-line distance dialog (TPLine_Frm) and its one instance PLine_Frm.
// Its controls and handlers are not built yet: for now it is an empty window of its size.
#pragma once
#include "dialogs/settings_form.h"

namespace selvana {

class TPLine_Frm : public SettingsForm {
  Q_OBJECT

 public:
  explicit TPLine_Frm(QWidget* parent = nullptr);
};

// Created once at start-up; nullptr before.
extern TPLine_Frm* PLine_Frm;

}  // namespace selvana
