// The version box dialog (TAboutBox) and its one instance AboutBox.
// Its controls and handlers are not built yet: for now it is an empty window of its size.
#pragma once
#include "dialogs/settings_form.h"

namespace selvana {

class TAboutBox : public SettingsForm {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* parent = nullptr);
};

// Created once at start-up; nullptr before.
extern TAboutBox* AboutBox;

}  // namespace selvana
