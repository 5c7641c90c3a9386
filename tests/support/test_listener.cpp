// Per-test set-up shared by the engine and widget test programs.
#include "support/test_listener.h"

#include "mainwin/engine_hooks.h"
#include "platform/message_box.h"
#include "support/reset_all.h"

namespace selvana::test {
namespace {

// A box no test scripted is a failure, never a silent answer.
class UnscriptedMessageBox : public MessageBox {
 public:
  MsgAnswer Show(const std::string& text, const std::string& caption, MsgButtons,
                 MsgIcon) override {
    ADD_FAILURE() << "unscripted message box: [" << caption << "] " << text;
    return MsgAnswer::Cancel;
  }
};

class ResetListener : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    InstallMessageBox(&unscripted_);
    ResetAllState();
  }
  UnscriptedMessageBox unscripted_;
};

}  // namespace

void InstallTestListener() {
  InstallEngineHooks();
  ::testing::UnitTest::GetInstance()->listeners().Append(new ResetListener);
}

}  // namespace selvana::test
