// The DXF terrain import settings dialog (TDxf) and its one instance Dxf.
// Its controls and handlers are not built yet: for now it is an empty window of its size.
#pragma once
#include "dialogs/settings_form.h"

namespace selvana {

class TDxf : public SettingsForm {
  Q_OBJECT

 public:
  explicit TDxf(QWidget* parent = nullptr);
};

// Created once at start-up; nullptr before.
extern TDxf* Dxf;

}  // namespace selvana
