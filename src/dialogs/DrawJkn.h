// The drawing settings of the calculation figure dialog (TDraw_Frm) and its one instance Draw_Frm.
// Its controls and handlers are not built yet: for now it is an empty window of its size.
#pragma once
#include "dialogs/settings_form.h"

namespace selvana {

class TDraw_Frm : public SettingsForm {
  Q_OBJECT

 public:
  explicit TDraw_Frm(QWidget* parent = nullptr);
};

// Created once at start-up; nullptr before.
extern TDraw_Frm* Draw_Frm;

}  // namespace selvana
