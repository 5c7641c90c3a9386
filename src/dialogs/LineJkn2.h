// The slip-line settings of the straight-line search between two segments dialog (TLine_Frm2) and its one instance Line_Frm2.
// Its controls and handlers are not built yet: for now it is an empty window of its size.
#pragma once
#include "dialogs/settings_form.h"

namespace selvana {

class TLine_Frm2 : public SettingsForm {
  Q_OBJECT

 public:
  explicit TLine_Frm2(QWidget* parent = nullptr);
};

// Created once at start-up; nullptr before.
extern TLine_Frm2* Line_Frm2;

}  // namespace selvana
