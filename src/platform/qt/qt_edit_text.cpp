// The edit-text interface on a QLineEdit.
#include "platform/qt/qt_edit_text.h"

#include <QLineEdit>

namespace selvana {

std::string QtEditText::Text() const { return edit_->text().toStdString(); }

void QtEditText::SetText(const std::string& text) { edit_->setText(QString::fromStdString(text)); }

}  // namespace selvana
