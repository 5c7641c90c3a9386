// The version box (TAboutBox) and its one instance AboutBox: the product name and the version of
// the installed program, read from its version file each time the box becomes active. The box
// offers no web link: the program has no web page to send the user to.
#pragma once
#include "dialogs/settings_form.h"

class QLabel;

namespace selvana {

class TAboutBox : public SettingsForm {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* parent = nullptr);

  QLabel* Version() const { return version_; }

  // Activation: the version text read anew.
  void FormActivate();

 protected:
  void FormShow() override;
  void changeEvent(QEvent* event) override;

 private:
  QLabel* version_ = nullptr;
};

// Created once at start-up; nullptr before.
extern TAboutBox* AboutBox;

}  // namespace selvana
