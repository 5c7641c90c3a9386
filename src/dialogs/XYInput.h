// The point input by coordinates dialog (TXY_Frm) and its one instance XY_Frm.
// Its controls and handlers are not built yet: for now it is an empty window of its size.
#pragma once
#include "dialogs/settings_form.h"

namespace selvana {

class TXY_Frm : public SettingsForm {
  Q_OBJECT

 public:
  explicit TXY_Frm(QWidget* parent = nullptr);
};

// Created once at start-up; nullptr before.
extern TXY_Frm* XY_Frm;

}  // namespace selvana
