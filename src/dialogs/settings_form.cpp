// The shared size and placement behaviour of the settings dialogs.
#include "dialogs/settings_form.h"

#include <QResizeEvent>
#include <algorithm>

#include "mainwin/form_sizes.h"
#include "model/set_if_changed.h"
#include "platform/qt/font_faces.h"
#include "platform/qt/qt_edit_text.h"
#include "platform/qt/screen_centre.h"

namespace selvana {

SettingsForm::SettingsForm(int formSlot, const char* caption, QWidget* parent)
    : QDialog(parent), formSlot_(formSlot) {
  setWindowTitle(QString::fromUtf8(caption));
  setFont(FormFont());
  ApplySlotSize();
  CentreOnScreen(*this);
}

void SettingsForm::ApplySlotSize() {
  // The slot decides the size as far as the controls fit: the layout keeps the dialog at least
  // as large as its controls need, so a small saved size never squeezes or hides them.
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

void FormatNumberEdit(QLineEdit* edit, int decimals) {
  QtEditText text(edit);
  FormatEditNumber(text, decimals);
}

}  // namespace selvana
