// The partial safety factors dialog (TPA_Frm) and its one instance PA_Frm.
// Its controls and handlers are not built yet: for now it is an empty window of its size.
#pragma once
#include "dialogs/settings_form.h"

namespace selvana {

class TPA_Frm : public SettingsForm {
  Q_OBJECT

 public:
  explicit TPA_Frm(QWidget* parent = nullptr);
};

// Created once at start-up; nullptr before.
extern TPA_Frm* PA_Frm;

}  // namespace selvana
