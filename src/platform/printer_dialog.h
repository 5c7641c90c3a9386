// The printer-setup dialog: lets the user choose the printer that the report viewer prints on.
// The program installs the Qt dialog; tests count its calls.
#pragma once

namespace selvana {

class PrinterDialog {
 public:
  virtual ~PrinterDialog() = default;
  // Shows the system's printers modally; the chosen one becomes the user's default printer.
  // True when the user confirmed a choice, false when cancelled or when none could be set.
  virtual bool ChooseDefaultPrinter() = 0;
};

// The dialog of a run without windows: always cancelled.
class NoPrinterDialog : public PrinterDialog {
 public:
  bool ChooseDefaultPrinter() override { return false; }
};

}  // namespace selvana
