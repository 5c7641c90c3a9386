// The little the engine needs of an edit box: read and replace its text (UTF-8).
#pragma once
#include <string>

namespace selvana {

class EditText {
 public:
  virtual ~EditText() = default;
  virtual std::string Text() const = 0;
  virtual void SetText(const std::string& text) = 0;
};

}  // namespace selvana
