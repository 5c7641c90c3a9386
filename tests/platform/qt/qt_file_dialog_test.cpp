// The Qt file and printer dialogs, answered from a timer while they run modally, and the
// printer set-up window driven by keys and clicks.
#include "platform/qt/qt_file_dialog.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "platform/qt/qt_printer_dialog.h"
#include "support/temp_folder.h"

namespace selvana {
namespace {

const FileDialogRequest kProjectRequest = {"データファイルを開く", "", "SDW",
                                           "斜面安定検討ファイル(*.SDW)", "SDW"};

// Runs act on the modal dialog as soon as it is shown.
void WhenShown(std::function<void(QDialog&)> act) {
  QTimer::singleShot(0, [act] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(nullptr, dialog);
    act(*dialog);
  });
}

TEST(QtFileDialog, FilterListsBothCasesAndShowsItsName) {
  EXPECT_EQ(QString::fromUtf8("斜面安定検討ファイル(*.SDW) (*.SDW *.sdw)"),
            QtNameFilter(kProjectRequest));
}

TEST(QtFileDialog, OpenReturnsTheChosenFullPath) {
  test::TempFolder dir;
  dir.Write("slope.sdw", "2240\r\n");
  FileDialogRequest request = kProjectRequest;
  request.InitialDir = dir.Dir();
  WhenShown([&](QDialog& dialog) {
    auto& files = static_cast<QFileDialog&>(dialog);
    EXPECT_EQ(QString::fromUtf8("データファイルを開く"), files.windowTitle());
    files.selectFile(QString::fromStdString(dir.File("slope.sdw")));
    static_cast<QDialog&>(files).accept();
  });
  QtFileDialog dialogs;
  EXPECT_EQ(dir.File("slope.sdw"), dialogs.ChooseFileToOpen(request));
}

TEST(QtFileDialog, SaveAddsTheDefaultExtensionToATypedName) {
  test::TempFolder dir;
  FileDialogRequest request = kProjectRequest;
  request.InitialDir = dir.Dir();
  WhenShown([&](QDialog& dialog) {
    auto& files = static_cast<QFileDialog&>(dialog);
    files.selectFile(QString::fromStdString(dir.File("New")));
    static_cast<QDialog&>(files).accept();
  });
  QtFileDialog dialogs;
  EXPECT_EQ(dir.File("New.SDW"), dialogs.ChooseFileToSave(request));
}

TEST(QtFileDialog, FilterBoxShowsTheFilterNameOnly) {
  WhenShown([](QDialog& dialog) {
    auto* types = dialog.findChild<QComboBox*>("fileTypeCombo");
    ASSERT_NE(nullptr, types);
    ASSERT_EQ(1, types->count());
    EXPECT_EQ(QString::fromUtf8("斜面安定検討ファイル(*.SDW)"), types->itemText(0));
    dialog.reject();
  });
  QtFileDialog dialogs;
  dialogs.ChooseFileToOpen(kProjectRequest);
}

TEST(QtFileDialog, SaveOverAnExistingFileAsksNothing) {
  test::TempFolder dir;
  dir.Write("Old.SDW", "2240\r\n");
  FileDialogRequest request = kProjectRequest;
  request.InitialDir = dir.Dir();
  WhenShown([&](QDialog& dialog) {
    auto& files = static_cast<QFileDialog&>(dialog);
    files.selectFile(QString::fromStdString(dir.File("Old.SDW")));
    static_cast<QDialog&>(files).accept();
  });
  // A question about overwriting would be the modal window now: fail, dismiss it and then the
  // file dialog under it. The timer belongs to this test: it dies with `watch` and so never
  // fires into a later test's modal window.
  QObject watch;
  QTimer::singleShot(500, &watch, [] {
    if (auto* question = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      ADD_FAILURE() << "asked before overwriting";
      question->reject();
      QTimer::singleShot(0, [] {
        if (auto* files = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
          files->reject();
        }
      });
    }
  });
  QtFileDialog dialogs;
  EXPECT_EQ(dir.File("Old.SDW"), dialogs.ChooseFileToSave(request));
}

TEST(QtFileDialog, CancelReturnsNothing) {
  WhenShown([](QDialog& dialog) { dialog.reject(); });
  QtFileDialog dialogs;
  EXPECT_EQ("", dialogs.ChooseFileToOpen(kProjectRequest));
}

QStringList TwoPrinters() { return {"Laser", "Inkjet"}; }
QStringList NoPrinters() { return {}; }

// Every text the window shows: its title, its labels and its buttons.
QStringList ShownTexts(const QWidget& window) {
  QStringList texts{window.windowTitle()};
  for (const QLabel* label : window.findChildren<QLabel*>()) texts << label->text();
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    texts << button->text();
  }
  return texts;
}

TEST(QtPrinterDialog, SetUpWindowSaysSetUpAndCancelChoosesNothing) {
  WhenShown([](QDialog& dialog) {
    const QStringList texts = ShownTexts(dialog);
    EXPECT_EQ(QString::fromUtf8("プリンターの設定"), dialog.windowTitle());
    EXPECT_TRUE(texts.contains("OK")) << texts.join('|').toStdString();
    EXPECT_TRUE(texts.contains(QString::fromUtf8("キャンセル")));
    EXPECT_FALSE(texts.join('|').contains(QString::fromUtf8("印刷")));
    dialog.reject();
  });
  QtPrinterDialog printer(nullptr, &TwoPrinters);
  EXPECT_EQ(PrinterChoice::Cancelled, printer.ChooseDefaultPrinter());
}

TEST(QtPrinterDialog, WithoutPrintersNoWindowOpens) {
  QObject watch;  // fails a window that opened after all, and closes it
  QTimer::singleShot(0, &watch, [] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      ADD_FAILURE() << "a window opened without printers";
      dialog->reject();
    }
  });
  QtPrinterDialog printer(nullptr, &NoPrinters);
  EXPECT_EQ(PrinterChoice::NoPrinter, printer.ChooseDefaultPrinter());
}

TEST(PrinterSetupDialog, StartsOnTheDefaultAndOkTakesTheChoice) {
  PrinterSetupDialog dialog(TwoPrinters(), "Inkjet");
  dialog.show();
  auto* list = dialog.findChild<QComboBox*>("printers");
  ASSERT_NE(nullptr, list);
  EXPECT_EQ("Inkjet", dialog.ChosenPrinter());
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Up);
  auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
  QTest::mouseClick(ok, Qt::LeftButton);
  EXPECT_EQ(QDialog::Accepted, dialog.result());
  EXPECT_EQ("Laser", dialog.ChosenPrinter());
}

}  // namespace
}  // namespace selvana
