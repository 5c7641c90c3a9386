// The plot command: plot file, path file, then the plotter.
#include "mainwin/plot_command.h"

#include "output/plot_figure.h"
#include "platform/cp932.h"
#include "platform/file_lookup.h"
#include "platform/message_box.h"
#include "platform/number_format.h"
#include "platform/process.h"
#include "platform/program_folders.h"
#include "platform/text_file.h"

namespace selvana {
namespace {

constexpr const char* kPlotterMissingMessage =
    "作図プログラム(Plt.exe)を起動できませんでした。\n"
    "作図データは次のファイルに書き出されています。\n%s%s";

}  // namespace

bool WritePlotPathFile() {
  TextFileWriter file;
  if (!file.Open(kPlotPathFileName)) return false;
  file.WriteLine(ToCp932(ProgramDir));
  file.WriteLine(kPlotFileName);
  file.WriteLine("$$$$$$$$");
  return file.Close();
}

int SakuzuClick(const std::function<void()>& repaint) {
  if (WritePlotFile() != 0) return -1;
  if (!WritePlotPathFile()) {
    ShowMessage(StrFormat("%s を書き込めませんでした。", kPlotPathFileName), "error",
                MsgButtons::Ok, MsgIcon::Error);
    return -1;
  }
  const std::string folder = CurrentDirectory();
  const int result = RunProgramAndWait(kPlotterCommand, folder, repaint);
  if (result == kProgramNotStarted) {
    ShowMessage(StrFormat(kPlotterMissingMessage, folder.c_str(), kPlotFileName), "メッセージ",
                MsgButtons::Ok, MsgIcon::Information);
  }
  return result;
}

void RegisterPlotCommand(CommandTable& table, std::function<void()> repaint) {
  table.Set(MainCommand::Sakuzu, [repaint = std::move(repaint)](int) { SakuzuClick(repaint); });
}

}  // namespace selvana
