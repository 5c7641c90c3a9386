// The point table editor dialog (TXYT_Frm) and its one instance XYT_Frm.
// Its controls and handlers are not built yet: for now it is an empty window of its size.
#pragma once
#include "dialogs/settings_form.h"

namespace selvana {

class TXYT_Frm : public SettingsForm {
  Q_OBJECT

 public:
  explicit TXYT_Frm(QWidget* parent = nullptr);
};

// Created once at start-up; nullptr before.
extern TXYT_Frm* XYT_Frm;

}  // namespace selvana
