// Program-wide set-up done once at start.
#include "app/program_start.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>
#include <clocale>

#include "mainwin/engine_hooks.h"
#include "mainwin/main_menu.h"
#include "platform/message_box.h"
#include "platform/qt/qt_message_box.h"
#include "platform/qt/qt_process.h"

namespace selvana {

void PrepareProgram(QApplication& app) {
  std::setlocale(LC_NUMERIC, "C");  // numbers are written and read with a decimal point
  for (const char* face : {"ＭＳゴシック", "ＭＳ ゴシック"}) {
    QFont::insertSubstitution(QString::fromUtf8(face), "UmePlus Gothic");
  }
  app.setApplicationName(kAppTitle);
  static QTranslator buttons;  // "はい", "いいえ", "キャンセル" on the message boxes
  if (buttons.load("qtbase_ja", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    app.installTranslator(&buttons);
  }
  static QtMessageBox messages;
  InstallMessageBox(&messages);
  static QtProgramLauncher programs;
  InstallProgramLauncher(&programs);
  InstallEngineHooks();
}

}  // namespace selvana
