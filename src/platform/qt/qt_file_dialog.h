// The file open and save dialogs on Qt's own file dialog. A filter lists the files of its
// extension in upper and lower case alike, and shows only its name to the user.
#pragma once
#include <QString>

#include "platform/file_dialog.h"

class QWidget;

namespace selvana {

class QtFileDialog : public FileDialog {
 public:
  explicit QtFileDialog(QWidget* parent = nullptr) : parent_(parent) {}

  std::string ChooseFileToOpen(const FileDialogRequest& request) override;
  std::string ChooseFileToSave(const FileDialogRequest& request) override;

 private:
  std::string Choose(const FileDialogRequest& request, bool save);
  QWidget* parent_;
};

// The Qt name filter of a request: its name, then the patterns of its extension in both cases
// ("斜面安定検討ファイル(*.SDW) (*.SDW *.sdw)").
QString QtNameFilter(const FileDialogRequest& request);

}  // namespace selvana
