// File dialogs: Qt's dialog set up from a request, run modally.
#include "platform/qt/qt_file_dialog.h"

#include <QFileDialog>
#include <QStringList>

namespace selvana {

QString QtNameFilter(const FileDialogRequest& request) {
  const QString extension = QString::fromStdString(request.FilterExtension);
  return QString::fromStdString(request.FilterName) +
         QString(" (*.%1 *.%2)").arg(extension.toUpper(), extension.toLower());
}

std::string QtFileDialog::ChooseFileToOpen(const FileDialogRequest& request) {
  return Choose(request, false);
}

std::string QtFileDialog::ChooseFileToSave(const FileDialogRequest& request) {
  return Choose(request, true);
}

std::string QtFileDialog::Choose(const FileDialogRequest& request, bool save) {
  QFileDialog dialog(parent_, QString::fromStdString(request.Title),
                     QString::fromStdString(request.InitialDir));
  // Qt's own dialog on every desktop, so that filters behave the same everywhere.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (save) dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setDefaultSuffix(QString::fromStdString(request.DefaultExtension));
  dialog.setNameFilter(QtNameFilter(request));
  if (dialog.exec() != QDialog::Accepted) return {};
  const QStringList chosen = dialog.selectedFiles();
  return chosen.isEmpty() ? std::string() : chosen.first().toStdString();
}

}  // namespace selvana
