// Small makers of the named controls the dialogs share: edits, buttons and the row of the OK
// ("確　　定") and Cancel ("取り消し") buttons.
#pragma once
#include <optional>

class QBoxLayout;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;

namespace selvana {

QLineEdit* NamedEdit(const char* name);
QPushButton* NamedButton(const char* name, const char* utf8Text);
// A note in red, also on a disabled panel.
QLabel* RedNote(const char* utf8Text);
// A row holding ok and a new "Button2" captioned "取り消し" that rejects the dialog.
QBoxLayout* OkCancelRow(QPushButton* ok, QDialog* dialog);
// The number an edit holds. A text that is no number gets the "「…」は数値ではありません。" error
// box, the edit takes the focus with its text selected, and the result is empty.
std::optional<double> EditNumber(QLineEdit* edit);

}  // namespace selvana
