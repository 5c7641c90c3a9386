// Program-wide set-up done once at start.
#include "app/program_start.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <clocale>

#include "mainwin/engine_hooks.h"
#include "mainwin/main_menu.h"
#include "mainwin/qt/program_icon.h"
#include "platform/message_box.h"
#include "platform/qt/font_faces.h"
#include "platform/qt/qt_message_box.h"
#include "platform/qt/qt_process.h"

namespace selvana {

void PrepareProgram(QApplication& app) {
  std::setlocale(LC_NUMERIC, "C");  // numbers are written and read with a decimal point
  InstallFontSubstitutes();
  app.setWindowIcon(ProgramIcon());
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
