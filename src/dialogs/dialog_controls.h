// Small makers of the named controls the dialogs share: edits, buttons and the row of the OK
// ("確　　定") and Cancel ("取り消し") buttons.
#pragma once
#include <optional>
#include <span>
#include <string>

#include "forms/shown_number.h"
#include "platform/typed_number.h"

class QBoxLayout;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace selvana {

QLineEdit* NamedEdit(const char* name);
QPushButton* NamedButton(const char* name, const char* utf8Text);
// A note in red, also on a disabled panel.
QLabel* RedNote(const char* utf8Text);
// Disables a panel whose edits only show values; the edits keep the text and background of an
// enabled edit, so the values read as clearly as the ones the user types, and its labels keep
// their face and colour (UseFormText).
void ShowOnly(QWidget* panel);
// Gives a label or a grid heading the dialogs' face (FormFont) and the colour of an enabled
// label, also when disabled: the window's normal text colour (black on the dialog's background),
// or the colour the widget was given (a red note stays red).
void UseFormText(QWidget& widget);
// A row holding ok and a new "Button2" captioned "取り消し" that rejects the dialog.
QBoxLayout* OkCancelRow(QPushButton* ok, QDialog* dialog);
// True when an edit holds a number of the kind, read as typed numbers are (full-width digits as
// half-width ones). Otherwise the text is refused (RefuseTypedText says why) and the edit takes
// the focus with its text selected.
bool EditHoldsNumber(QLineEdit* edit, TypedKind kind = TypedKind::Real);
// The number an edit holds; empty after EditHoldsNumber refused its text.
std::optional<double> EditNumber(QLineEdit* edit);
// OK's check of one numeric edit: true when it is disabled (it shows what the dialog filled in)
// or holds a number of the kind; false after EditHoldsNumber refused it.
bool EnabledEditHoldsNumber(QLineEdit* edit, TypedKind kind);
// True when the project file can hold an edit's text (FirstCharacterNotInFile). Otherwise the
// text is refused with `message`, a format naming its first character the file cannot hold
// (caption "error"), and the edit takes the focus with its text selected.
bool EditTextFitsFile(QLineEdit* edit, const ShownText& shown, const char* message);
// Refuses a value an edit holds with the message (caption "error"); the edit takes the focus
// with its text selected. Returns false, for OK to stop there.
bool RefuseEdit(QLineEdit* edit, const std::string& message);
// OK's check of a dialog's numeric edits in their order: false after the first refused one.
bool EnabledEditsHoldNumbers(std::span<QLineEdit* const> edits);

}  // namespace selvana
