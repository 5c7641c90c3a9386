// The program's entry: set-up, the windows in their order, then the event loop until the main
// window closes.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "app/program_commands.h"
#include "app/program_start.h"
#include "app/program_windows.h"
#include "calc/progress/qt/qt_calc_progress.h"
#include "dialogs/DxfSet.h"
#include "mainwin/qt/main_form.h"
#include "platform/message_box.h"

namespace {

// True when the toolkit has somewhere to show its windows.
bool HasDisplay() {
  return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") || std::getenv("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char** argv) {
  if (!HasDisplay()) {
    std::fputs(
        "selvana: no display. Start it on a desktop, under Xvfb, or headless with\n"
        "  QT_QPA_PLATFORM=offscreen selvana\n",
        stderr);
    return 1;
  }
  QApplication app(argc, argv);
  try {
    selvana::PrepareProgram(app);
    const auto progress = selvana::CreateProgramWindows();
    const selvana::ProgramCommands commands(*selvana::Main_Frm, *selvana::Dxf, *progress);
    selvana::Main_Frm->showMaximized();
    const int result = app.exec();
    selvana::DestroyProgramWindows();
    return result;
  } catch (const std::exception& e) {
    selvana::ShowMessage(e.what(), "error", selvana::MsgButtons::Ok, selvana::MsgIcon::Error);
  }
  return 0;
}
