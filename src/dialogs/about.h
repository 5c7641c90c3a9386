// The version box (TAboutBox) and its one instance AboutBox: the product name, the version of
// the installed program read from its version file each time the box becomes active, and a
// link to the maker's web page.
#pragma once
#include <QUrl>
#include <functional>

#include "dialogs/settings_form.h"

class QLabel;
class QPushButton;

namespace selvana {

class TAboutBox : public SettingsForm {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* parent = nullptr);

  QLabel* Version() const { return version_; }
  QLabel* Label4() const { return label4_; }

  // Activation: the link blue again and the version text read anew.
  void FormActivate();
  // The link: purple from now on, and the page opened by the desktop.
  void Label4DblClick();

  // How the link is opened; the desktop's URL handler unless replaced (tests replace it).
  std::function<void(const QUrl&)> OpenUrl;

 protected:
  void FormShow() override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetLinkColour(Qt::GlobalColor colour);

  QLabel* version_ = nullptr;
  QLabel* label4_ = nullptr;
};

// Created once at start-up; nullptr before.
extern TAboutBox* AboutBox;

}  // namespace selvana
