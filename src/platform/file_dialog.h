// The file open and save dialogs of the main window: the engine says what to ask for and gets
// back the chosen path. The program installs the Qt dialogs; tests answer with fakes.
#pragma once
#include <string>

namespace selvana {

// What one file dialog shows. Texts are UTF-8. The file-name box always starts empty.
struct FileDialogRequest {
  std::string Title;             // window title
  std::string InitialDir;        // folder shown first (DataDir)
  std::string DefaultExtension;  // without the dot; added to a typed name that has none
  std::string FilterName;        // the filter as the user reads it: "...(*.SDW)"
  std::string FilterExtension;   // without the dot; files with it in any letter case are listed
};

class FileDialog {
 public:
  virtual ~FileDialog() = default;
  // Shows the open dialog modally: the chosen file's full path ("/"-separated, UTF-8), or the
  // empty text when the user cancelled.
  virtual std::string ChooseFileToOpen(const FileDialogRequest& request) = 0;
  // Shows the save dialog modally, likewise. An existing file is chosen without a question.
  virtual std::string ChooseFileToSave(const FileDialogRequest& request) = 0;
};

// The dialogs of a run without windows: every dialog is cancelled.
class NoFileDialog : public FileDialog {
 public:
  std::string ChooseFileToOpen(const FileDialogRequest&) override { return {}; }
  std::string ChooseFileToSave(const FileDialogRequest&) override { return {}; }
};

}  // namespace selvana
