// The printer-setup dialog and the change of the default printer.
#include "platform/qt/qt_printer_dialog.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>

#include "platform/message_box.h"

namespace selvana {
namespace {

// Makes name the user's default printer; true when it is.
bool MakeDefaultPrinter(const QString& name) {
  if (name.isEmpty()) return false;
  if (name == QPrinterInfo::defaultPrinterName()) return true;
  return QProcess::execute("lpoptions", {"-d", name}) == 0;
}

}  // namespace

bool QtPrinterDialog::ChooseDefaultPrinter() {
  QPrinter printer;  // starts on the current default printer
  QPrintDialog dialog(&printer, parent_);
  dialog.setOptions(QAbstractPrintDialog::PrintDialogOptions());  // a printer choice, no ranges
  if (dialog.exec() != QDialog::Accepted) return false;
  if (MakeDefaultPrinter(printer.printerName())) return true;
  ShowMessage(kDefaultPrinterFailedMessage, "error", MsgButtons::Ok, MsgIcon::Error);
  return false;
}

}  // namespace selvana
