// The printer-setup window and the change of the default printer.
#include "platform/qt/qt_printer_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <algorithm>

namespace selvana {
namespace {

// Makes name the user's default printer; true when it is.
bool MakeDefaultPrinter(const QString& name) {
  if (name.isEmpty()) return false;
  if (name == QPrinterInfo::defaultPrinterName()) return true;
  return QProcess::execute("lpoptions", {"-d", name}) == 0;
}

}  // namespace

PrinterSetupDialog::PrinterSetupDialog(const QStringList& printers, const QString& current,
                                       QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QString::fromUtf8("プリンターの設定"));
  printers_ = new QComboBox(this);
  printers_->setObjectName("printers");
  printers_->addItems(printers);
  printers_->setCurrentIndex(std::max<qsizetype>(0, printers.indexOf(current)));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText("OK");
  buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8("キャンセル"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* form = new QFormLayout(this);
  form->addRow(QString::fromUtf8("プリンター名(&N):"), printers_);
  form->addRow(buttons);
}

QString PrinterSetupDialog::ChosenPrinter() const { return printers_->currentText(); }

QStringList InstalledPrinters() { return QPrinterInfo::availablePrinterNames(); }

PrinterChoice QtPrinterDialog::ChooseDefaultPrinter() {
  const QStringList printers = listPrinters_();
  if (printers.isEmpty()) return PrinterChoice::NoPrinter;
  PrinterSetupDialog dialog(printers, QPrinterInfo::defaultPrinterName(), parent_);
  if (dialog.exec() != QDialog::Accepted) return PrinterChoice::Cancelled;
  return MakeDefaultPrinter(dialog.ChosenPrinter()) ? PrinterChoice::Chosen : PrinterChoice::NotSet;
}

}  // namespace selvana
