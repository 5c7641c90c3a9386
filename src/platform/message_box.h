// Message boxes: the one way the engine tells the user something or asks a Yes/No question.
// The program installs a window implementation at start-up; tests install a scripted one.
// Texts and captions are UTF-8.
#pragma once
#include <string>

namespace selvana {

enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgIcon { None, Information, Warning, Error, Question };
enum class MsgAnswer { Ok, Yes, No, Cancel };

class MessageBox {
 public:
  virtual ~MessageBox() = default;
  virtual MsgAnswer Show(const std::string& text, const std::string& caption, MsgButtons buttons,
                         MsgIcon icon) = 0;
};

// Shows a box through the installed implementation. Without one (a headless run) the text goes
// to standard error and the answer is the cautious one: OK, No, or Cancel.
MsgAnswer ShowMessage(const std::string& text, const std::string& caption,
                      MsgButtons buttons = MsgButtons::Ok, MsgIcon icon = MsgIcon::None);

// Installs an implementation (nullptr restores the headless default); returns the previous one.
MessageBox* InstallMessageBox(MessageBox* box);

}  // namespace selvana
