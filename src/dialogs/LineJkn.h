// The slip-line settings of the straight-line search from a start point dialog (TLine_Frm) and its one instance Line_Frm.
// Its controls and handlers are not built yet: for now it is an empty window of its size.
#pragma once
#include "dialogs/settings_form.h"

namespace selvana {

class TLine_Frm : public SettingsForm {
  Q_OBJECT

 public:
  explicit TLine_Frm(QWidget* parent = nullptr);
};

// Created once at start-up; nullptr before.
extern TLine_Frm* Line_Frm;

}  // namespace selvana
