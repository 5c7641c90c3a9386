// The message-box interface on Qt's QMessageBox.
#pragma once
#include "platform/message_box.h"

class QWidget;

namespace selvana {

class QtMessageBox : public MessageBox {
 public:
  explicit QtMessageBox(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }
  MsgAnswer Show(const std::string& text, const std::string& caption, MsgButtons buttons,
                 MsgIcon icon) override;

 private:
  QWidget* parent_;
};

}  // namespace selvana
