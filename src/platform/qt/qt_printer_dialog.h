// The printer-setup dialog on Qt: a window that lists the installed printers. The chosen
// printer becomes the user's default printer of the print system, where the report viewer
// finds it.
#pragma once
#include <QDialog>
#include <QStringList>

#include "platform/printer_dialog.h"

class QComboBox;

namespace selvana {

// The printer set-up window "プリンターの設定": the printers in a list with current chosen,
// and the buttons "OK" and "キャンセル".
class PrinterSetupDialog : public QDialog {
  Q_OBJECT

 public:
  PrinterSetupDialog(const QStringList& printers, const QString& current,
                     QWidget* parent = nullptr);

  QString ChosenPrinter() const;

 private:
  QComboBox* printers_ = nullptr;
};

// The names of the printers installed in the print system.
QStringList InstalledPrinters();

class QtPrinterDialog : public PrinterDialog {
 public:
  explicit QtPrinterDialog(QWidget* parent = nullptr,
                           QStringList (*listPrinters)() = &InstalledPrinters)
      : parent_(parent), listPrinters_(listPrinters) {}

  // Without printers reports NoPrinter at once; otherwise shows the set-up window and on OK
  // makes the chosen printer the default ("lpoptions -d" of the print system).
  PrinterChoice ChooseDefaultPrinter() override;

 private:
  QWidget* parent_;
  QStringList (*listPrinters_)();
};

}  // namespace selvana
