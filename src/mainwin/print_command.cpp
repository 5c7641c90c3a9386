// The print command: result files, check lists, then the report viewer.
#include "mainwin/print_command.h"

#include "model/design_copy.h"
#include "model/partial_factors.h"
#include "model/project_model.h"
#include "output/check_list.h"
#include "output/result_files.h"
#include "platform/file_lookup.h"
#include "platform/message_box.h"
#include "platform/number_format.h"
#include "platform/process.h"

namespace selvana {
namespace {

constexpr const char* kViewerMissingMessage =
    "報告書ビューア(ViewZEL2.exe)を起動できませんでした。\n"
    "印刷データは次のフォルダに書き出されています。\n%s";

// The check lists; false when one could not be written.
bool WriteCheckLists() {
  if (WriteCheckList(0) != 0) return false;
  if (PartialFactors.Enabled != 1) return true;
  // The factors in force, the user's values back afterwards.
  const DesignCopyScope design(&ApplyPartialFactors);
  return WriteCheckList(1) == 0;
}

}  // namespace

int PrnClick(const std::function<void()>& repaint) {
  if (WriteResultPrintFiles() == kResultFilesFailed) return -1;
  if (!WriteCheckLists()) return -1;
  const std::string folder = CurrentDirectory();
  const int result = RunProgramAndWait(kReportViewerCommand, folder, repaint);
  if (result == kProgramNotStarted) {
    ShowMessage(StrFormat(kViewerMissingMessage, folder.c_str()), "メッセージ", MsgButtons::Ok,
                MsgIcon::Information);
  }
  return result;
}

void RegisterPrintCommand(CommandTable& table, std::function<void()> repaint) {
  table.Set(MainCommand::Prn, [repaint = std::move(repaint)](int) { PrnClick(repaint); });
}

}  // namespace selvana
