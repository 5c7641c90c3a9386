// The edit-text interface on a QLineEdit, so that dialogs reformat their numeric edits with the
// model's FormatEditNumber.
#pragma once
#include "platform/edit_text.h"

class QLineEdit;

namespace selvana {

class QtEditText : public EditText {
 public:
  explicit QtEditText(QLineEdit* edit) : edit_(edit) {}
  std::string Text() const override;
  void SetText(const std::string& text) override;

 private:
  QLineEdit* edit_;
};

}  // namespace selvana
