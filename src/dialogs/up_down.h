// The up-down control of the dialogs (UpDown1): two arrows that step a position, without a field
// that shows the position as a number; the dialog shows what the position stands for.
#pragma once
#include <QSpinBox>

namespace selvana {

class UpDownArrows : public QSpinBox {
  Q_OBJECT

 public:
  explicit UpDownArrows(QWidget* parent = nullptr);

  // As wide as the two arrows and the frame around them.
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  // No text shows the position, and none typed changes it: only the arrows, the arrow keys and
  // the wheel step it.
  QString textFromValue(int) const override { return QString(); }
  int valueFromText(const QString&) const override { return value(); }
  QValidator::State validate(QString& text, int&) const override;
};

}  // namespace selvana
