// The help command: the help file of the program folder, or a message.
#include "mainwin/help_command.h"

#include "platform/file_lookup.h"
#include "platform/message_box.h"
#include "platform/number_format.h"
#include "platform/program_folders.h"

namespace selvana {
namespace {

constexpr const char* kHelpMissingMessage =
    "ヘルプファイル(%s)がインストールされていません。\n次のフォルダに置くと開けます。\n%s";
constexpr const char* kHelpNotOpenedMessage =
    "ヘルプファイル(%s)を開くプログラムが見つかりませんでした。";

void Tell(const std::string& text) {
  ShowMessage(text, "メッセージ", MsgButtons::Ok, MsgIcon::Information);
}

}  // namespace

int HelpDispClick(const DocumentOpener& open) {
  ChangeDirectory(ProgramDir);
  const std::string path = FindFileIgnoringCase(ProgramDir, kHelpFileName);
  if (!FileExists(path)) {
    Tell(StrFormat(kHelpMissingMessage, kHelpFileName, ProgramDir.c_str()));
    return kHelpMissing;
  }
  if (!open || !open(path)) {
    Tell(StrFormat(kHelpNotOpenedMessage, kHelpFileName));
    return kHelpNotOpened;
  }
  return kHelpOpened;
}

void RegisterHelpCommand(CommandTable& table, DocumentOpener open) {
  table.Set(MainCommand::HelpDisp, [open = std::move(open)](int) { HelpDispClick(open); });
}

}  // namespace selvana
