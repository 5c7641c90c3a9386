// The calculation conditions dialog (TCal_Frm) and its one instance Cal_Frm.
// Its controls and handlers are not built yet: for now it is an empty window of its size.
#pragma once
#include "dialogs/settings_form.h"

namespace selvana {

class TCal_Frm : public SettingsForm {
  Q_OBJECT

 public:
  explicit TCal_Frm(QWidget* parent = nullptr);
};

// Created once at start-up; nullptr before.
extern TCal_Frm* Cal_Frm;

}  // namespace selvana
