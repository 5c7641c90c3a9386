// The printer-setup dialog: lets the user choose the printer that the report viewer prints on.
// The program installs the Qt dialog; tests count its calls.
#pragma once

namespace selvana {

// How a printer set-up ended.
enum class PrinterChoice {
  Chosen,     // the chosen printer is the default now
  Cancelled,  // the user closed the dialog without a choice
  NoPrinter,  // no printer is installed: nothing to choose from
  NotSet,     // the chosen printer could not be made the default
};

// The texts the printer command shows when no printer was set (caption "error").
inline constexpr char kDefaultPrinterFailedMessage[] = "標準のプリンターを設定できませんでした。";
inline constexpr char kNoPrinterInstalledMessage[] = "プリンターがインストールされていません。";

class PrinterDialog {
 public:
  virtual ~PrinterDialog() = default;
  // Shows the system's printers modally; the chosen one becomes the user's default printer.
  virtual PrinterChoice ChooseDefaultPrinter() = 0;
};

// The dialog of a run without windows: always cancelled.
class NoPrinterDialog : public PrinterDialog {
 public:
  PrinterChoice ChooseDefaultPrinter() override { return PrinterChoice::Cancelled; }
};

}  // namespace selvana
