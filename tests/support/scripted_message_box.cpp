// The scripted message box of the tests.
#include "support/scripted_message_box.h"

#include <gtest/gtest.h>

namespace selvana::test {

ScriptedMessageBox::ScriptedMessageBox() { previous_ = InstallMessageBox(this); }

ScriptedMessageBox::~ScriptedMessageBox() {
  InstallMessageBox(previous_);
  for (const auto& e : expected_) {
    ADD_FAILURE() << "expected message box never shown: [" << e.caption << "] " << e.text;
  }
}

ScriptedMessageBox& ScriptedMessageBox::Expect(const std::string& text, const std::string& caption,
                                               MsgAnswer answer) {
  expected_.push_back({text, caption, answer, false});
  return *this;
}

ScriptedMessageBox& ScriptedMessageBox::ExpectPrefix(const std::string& prefix,
                                                     const std::string& caption, MsgAnswer answer) {
  expected_.push_back({prefix, caption, answer, true});
  return *this;
}

MsgAnswer ScriptedMessageBox::Show(const std::string& text, const std::string& caption, MsgButtons,
                                   MsgIcon) {
  ++shown_;
  if (expected_.empty()) {
    ADD_FAILURE() << "unexpected message box: [" << caption << "] " << text;
    return MsgAnswer::Cancel;
  }
  Expected e = expected_.front();
  expected_.pop_front();
  const bool textMatches = e.prefix ? text.rfind(e.text, 0) == 0 : text == e.text;
  EXPECT_TRUE(textMatches) << "message box text\n  expected: " << e.text
                           << "\n  actual:   " << text;
  EXPECT_EQ(e.caption, caption) << "caption of message box: " << text;
  return e.answer;
}

}  // namespace selvana::test
