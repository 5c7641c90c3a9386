// The named controls the dialogs share.
#include "dialogs/dialog_controls.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

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

QBoxLayout* OkCancelRow(QPushButton* ok, QDialog* dialog) {
  QPushButton* cancel = NamedButton("Button2", "取り消し");
  QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  auto* row = new QHBoxLayout();
  row->addStretch();
  row->addWidget(ok);
  row->addWidget(cancel);
  return row;
}

}  // namespace selvana
