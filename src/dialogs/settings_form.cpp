// The shared size and placement behaviour of the settings dialogs.
#include "dialogs/settings_form.h"

#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <algorithm>

#include "mainwin/form_sizes.h"
#include "model/set_if_changed.h"
#include "platform/qt/qt_edit_text.h"
#include "platform/qt/screen_centre.h"

namespace selvana {

SettingsForm::SettingsForm(int formSlot, const char* caption, QWidget* parent)
    : QDialog(parent), formSlot_(formSlot) {
  setWindowTitle(QString::fromUtf8(caption));
  ApplySlotSize();
  CentreOnScreen(*this);
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

void FormatNumberEdit(QLineEdit* edit, int decimals) {
  QtEditText text(edit);
  FormatEditNumber(text, decimals);
}

QLabel* RedNote(const char* text) {
  auto* label = new QLabel(QString::fromUtf8(text));
  QPalette palette = label->palette();
  // Red also on the disabled panel, where a label would otherwise be greyed.
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::WindowText, Qt::red);
  }
  label->setPalette(palette);
  return label;
}

QPushButton* NamedButton(const char* name, const char* text) {
  auto* button = new QPushButton(QString::fromUtf8(text));
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

}  // namespace selvana
