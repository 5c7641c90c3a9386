// The arrows-only up-down control.
#include "dialogs/up_down.h"

#include <QStyle>
#include <QStyleOptionSpinBox>

namespace selvana {

UpDownArrows::UpDownArrows(QWidget* parent) : QSpinBox(parent) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize UpDownArrows::sizeHint() const {
  const QSize full = QSpinBox::sizeHint();
  QStyleOptionSpinBox option;
  initStyleOption(&option);
  option.rect = QRect(QPoint(0, 0), full);
  const QRect up = style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, this);
  // The arrows keep the frame on their right; the same margin goes on their left.
  const int margin = full.width() - 1 - up.right();
  return {up.width() + 2 * margin, full.height()};
}

QValidator::State UpDownArrows::validate(QString& text, int&) const {
  return text.isEmpty() ? QValidator::Acceptable : QValidator::Invalid;
}

}  // namespace selvana
