// The named controls the dialogs share.
#include "dialogs/dialog_controls.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/message_box.h"
#include "platform/number_format.h"
#include "platform/qt/font_faces.h"

namespace selvana {

QLineEdit* NamedEdit(const char* name) {
  auto* edit = new QLineEdit();
  edit->setObjectName(name);
  return edit;
}

QPushButton* NamedButton(const char* name, const char* utf8Text) {
  auto* button = new QPushButton(QString::fromUtf8(utf8Text));
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

QLabel* RedNote(const char* utf8Text) {
  auto* label = new QLabel(QString::fromUtf8(utf8Text));
  QPalette palette = label->palette();
  // Red also on a disabled panel, where a label would otherwise be greyed.
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::WindowText, Qt::red);
  }
  label->setPalette(palette);
  return label;
}

void ShowOnly(QWidget* panel) {
  panel->setEnabled(false);
  for (QLineEdit* edit : panel->findChildren<QLineEdit*>()) {
    QPalette palette = edit->palette();
    for (auto role : {QPalette::Base, QPalette::Text}) {
      palette.setColor(QPalette::Disabled, role, palette.color(QPalette::Active, role));
    }
    edit->setPalette(palette);
  }
  for (QLabel* label : panel->findChildren<QLabel*>()) UseFormText(*label);
}

void UseFormText(QWidget& widget) {
  widget.setFont(FormFont());
  QPalette palette = widget.palette();
  const QColor text = palette.color(QPalette::Active, QPalette::WindowText);
  // Labels draw in WindowText, headings in ButtonText.
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    for (auto role : {QPalette::WindowText, QPalette::ButtonText}) {
      palette.setColor(group, role, text);
    }
  }
  widget.setPalette(palette);
}

QBoxLayout* OkCancelRow(QPushButton* ok, QDialog* dialog) {
  QPushButton* cancel = NamedButton("Button2", "取り消し");
  QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  auto* row = new QHBoxLayout();
  row->addStretch();
  row->addWidget(ok);
  row->addWidget(cancel);
  return row;
}

namespace {

// A refused edit takes the focus with its text selected, ready to be corrected; returns false.
bool FocusRefusedEdit(QLineEdit* edit) {
  edit->setFocus();
  edit->selectAll();
  return false;
}

}  // namespace

bool EditHoldsNumber(QLineEdit* edit, TypedKind kind) {
  const std::string text = edit->text().toStdString();
  if (HoldsTypedNumber(text, kind)) return true;
  RefuseTypedText(text);
  return FocusRefusedEdit(edit);
}

bool RefuseEdit(QLineEdit* edit, const std::string& message) {
  ShowMessage(message, "error", MsgButtons::Ok, MsgIcon::Error);
  return FocusRefusedEdit(edit);
}

bool EditTextFitsFile(QLineEdit* edit, const ShownText& shown, const char* message) {
  const std::string refused = FirstCharacterNotInFile(edit->text().toStdString(), shown);
  return refused.empty() || RefuseEdit(edit, StrFormat(message, refused.c_str()));
}

std::optional<double> EditNumber(QLineEdit* edit) {
  if (!EditHoldsNumber(edit)) return std::nullopt;
  return TypedNumber(edit->text().toStdString());
}

bool EnabledEditHoldsNumber(QLineEdit* edit, TypedKind kind) {
  return !edit->isEnabled() || EditHoldsNumber(edit, kind);
}

bool EnabledEditsHoldNumbers(std::span<QLineEdit* const> edits) {
  for (QLineEdit* edit : edits) {
    if (!EnabledEditHoldsNumber(edit, TypedKind::Real)) return false;
  }
  return true;
}

}  // namespace selvana
