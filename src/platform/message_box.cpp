// The installed message box, with a headless default that writes to standard error.
#include "platform/message_box.h"

#include <cstdio>

namespace selvana {
namespace {

MessageBox* installed = nullptr;

MsgAnswer CautiousAnswer(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::YesNo: return MsgAnswer::No;
    case MsgButtons::YesNoCancel: return MsgAnswer::Cancel;
    case MsgButtons::Ok: break;
  }
  return MsgAnswer::Ok;
}

}  // namespace

MsgAnswer ShowMessage(const std::string& text, const std::string& caption, MsgButtons buttons,
                      MsgIcon icon) {
  if (installed) return installed->Show(text, caption, buttons, icon);
  std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
  return CautiousAnswer(buttons);
}

MessageBox* InstallMessageBox(MessageBox* box) {
  MessageBox* previous = installed;
  installed = box;
  return previous;
}

}  // namespace selvana
