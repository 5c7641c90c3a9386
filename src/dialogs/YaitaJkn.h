// The sheet-pile settings dialog (TYT_Frm) and its one instance YT_Frm.
// Its controls and handlers are not built yet: for now it is an empty window of its size.
#pragma once
#include "dialogs/settings_form.h"

namespace selvana {

class TYT_Frm : public SettingsForm {
  Q_OBJECT

 public:
  explicit TYT_Frm(QWidget* parent = nullptr);
};

// Created once at start-up; nullptr before.
extern TYT_Frm* YT_Frm;

}  // namespace selvana
