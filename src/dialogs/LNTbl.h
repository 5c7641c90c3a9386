// The line table editor dialog (TLNT_Frm) and its one instance LNT_Frm.
// Its controls and handlers are not built yet: for now it is an empty window of its size.
#pragma once
#include "dialogs/settings_form.h"

namespace selvana {

class TLNT_Frm : public SettingsForm {
  Q_OBJECT

 public:
  explicit TLNT_Frm(QWidget* parent = nullptr);
};

// Created once at start-up; nullptr before.
extern TLNT_Frm* LNT_Frm;

}  // namespace selvana
