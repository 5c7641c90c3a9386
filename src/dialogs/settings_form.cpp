// The shared size and placement behaviour of the settings dialogs.
#include "dialogs/settings_form.h"

#include <QGuiApplication>
#include <QResizeEvent>
#include <QScreen>
#include <algorithm>

#include "mainwin/form_sizes.h"

namespace selvana {

SettingsForm::SettingsForm(int formSlot, const char* caption, QWidget* parent)
    : QDialog(parent), formSlot_(formSlot) {
  setWindowTitle(QString::fromUtf8(caption));
  ApplySlotSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect s = screen->geometry();
    move((s.width() - width()) / 2, (s.height() - height()) / 2);
  }
}

void SettingsForm::ApplySlotSize() {
  const FormSize& size = FormSizes[formSlot_];
  resize(std::max(size.Width, 1), std::max(size.Height, 1));
}

void SettingsForm::showEvent(QShowEvent* event) {
  ApplySlotSize();
  FormShow();
  QDialog::showEvent(event);
}

void SettingsForm::resizeEvent(QResizeEvent* event) {
  // Sizes reach the slot only from a shown dialog: the resize that Qt delivers before the first
  // show carries the construction size, not the user's.
  if (isVisible()) {
    FormSizes[formSlot_].Width = event->size().width();
    FormSizes[formSlot_].Height = event->size().height();
  }
  QDialog::resizeEvent(event);
}

}  // namespace selvana
