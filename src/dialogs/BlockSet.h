// The soil block constants dialog (TBlk_Frm) and its one instance Blk_Frm.
// Its controls and handlers are not built yet: for now it is an empty window of its size.
#pragma once
#include "dialogs/settings_form.h"

namespace selvana {

class TBlk_Frm : public SettingsForm {
  Q_OBJECT

 public:
  explicit TBlk_Frm(QWidget* parent = nullptr);
};

// Created once at start-up; nullptr before.
extern TBlk_Frm* Blk_Frm;

}  // namespace selvana
