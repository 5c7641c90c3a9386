// The printer-setup dialog on Qt's print dialog, which lists the system's printers. The chosen
// printer becomes the user's default printer of the print system, where the report viewer
// finds it.
#pragma once
#include "platform/printer_dialog.h"

class QWidget;

namespace selvana {

inline constexpr char kDefaultPrinterFailedMessage[] = "標準のプリンターを設定できませんでした。";

class QtPrinterDialog : public PrinterDialog {
 public:
  explicit QtPrinterDialog(QWidget* parent = nullptr) : parent_(parent) {}

  // Shows the print dialog; on OK makes the chosen printer the default ("lpoptions -d" of the
  // print system). A printer that cannot be made the default, or a choice that is no printer
  // (printing to a file), gets a message captioned "error".
  bool ChooseDefaultPrinter() override;

 private:
  QWidget* parent_;
};

}  // namespace selvana
