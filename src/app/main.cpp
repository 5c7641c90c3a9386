// The program's entry: the toolkit, C numbers, the window implementations of the platform
// interfaces, then the main window.
#include <QApplication>
#include <clocale>
#include <cstdio>

#include "mainwin/engine_hooks.h"
#include "platform/message_box.h"
#include "platform/qt/qt_message_box.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");  // numbers are written and read with a decimal point
  selvana::QtMessageBox messages;
  selvana::InstallMessageBox(&messages);
  selvana::InstallEngineHooks();
  std::puts("Selvana: the main window is not built yet.");
  return 0;
}
