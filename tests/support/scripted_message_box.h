// A message box for tests: it expects given texts in order and returns given answers. A box
// that was not expected, or an expected box that never came, fails the test.
#pragma once
#include <deque>
#include <string>

#include "platform/message_box.h"

namespace selvana::test {

class ScriptedMessageBox : public MessageBox {
 public:
  // Installs itself for its lifetime; at destruction every expected box must have been shown.
  ScriptedMessageBox();
  ~ScriptedMessageBox() override;

  // Expects a box with this text (UTF-8) and caption, answered with answer.
  ScriptedMessageBox& Expect(const std::string& text, const std::string& caption,
                             MsgAnswer answer = MsgAnswer::Ok);
  // Expects a box whose text starts with prefix.
  ScriptedMessageBox& ExpectPrefix(const std::string& prefix, const std::string& caption,
                                   MsgAnswer answer = MsgAnswer::Ok);

  MsgAnswer Show(const std::string& text, const std::string& caption, MsgButtons buttons,
                 MsgIcon icon) override;

  int shown() const { return shown_; }

 private:
  struct Expected {
    std::string text;
    std::string caption;
    MsgAnswer answer;
    bool prefix;
  };
  std::deque<Expected> expected_;
  MessageBox* previous_ = nullptr;
  int shown_ = 0;
};

}  // namespace selvana::test
