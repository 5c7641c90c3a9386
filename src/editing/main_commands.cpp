// The command table and the commands' names.
#include "editing/main_commands.h"

namespace selvana {
namespace {

constexpr const char* kNames[] = {
    "New_Data", "Open",   "Joken",    "Block",  "Tikei",    "Dxf",     "Save",      "SaveAs",
    "DefPrt",   "F",      "MainExit", "CalSet", "CirSet",   "DrawSet", "DispSet",   "Nen",
    "Yaita",    "CenSet", "AllShow",  "ZoomIn", "ZoomOut",  "AreaBig", "AreaSmall", "PAdd",
    "PMove",    "PDel",   "LAddK",    "LAddC",  "LAddS",    "LAddB",   "LAddL",     "LAddG",
    "LAddZ",    "LDelK",  "LDelC",    "LDelS",  "LDelB",    "LDelL",   "LDelG",     "LDelZ",
    "Tanten",   "Gousei", "Bunkatu",  "PLine",  "KAdd",     "KMove",   "SAdd",      "SMove",
    "HAdd",     "HMove",  "VAdd",     "VMove",  "BAdd",     "BMove",   "BDel",      "BCopy",
    "BEdit",    "XYEdit", "LNEdit",   "LNChk",  "BLChk",    "ZHChk",   "CalRun",    "Kekka",
    "Prn",      "Waku",   "Name",     "LDraw",  "LNotDraw", "DJTate",  "DJYoko",    "K",
    "GU",       "GL",     "GB",       "Y",      "Circ",     "Anzen",   "Sakuzu",    "HelpDisp",
    "VerDisp",  "Fsize",  "BitBtnXY",
};
static_assert(std::size(kNames) == kMainCommandCount, "one name per command");

}  // namespace

const char* MainCommandName(MainCommand command) {
  const int i = static_cast<int>(command);
  return i >= 0 && i < kMainCommandCount ? kNames[i] : "";
}

bool KeepsPendingEdit(MainCommand command) {
  switch (command) {
    case MainCommand::AllShow:
    case MainCommand::ZoomIn:
    case MainCommand::ZoomOut:
    case MainCommand::AreaBig:
    case MainCommand::AreaSmall:
    case MainCommand::LNChk:
    case MainCommand::BLChk:
    case MainCommand::ZHChk:
    case MainCommand::BitBtnXY: return true;
    default: return false;
  }
}

void CommandTable::Set(MainCommand command, Handler handler) {
  handlers_[static_cast<int>(command)] = std::move(handler);
}

bool CommandTable::Run(MainCommand command, int index) const {
  const Handler& handler = handlers_[static_cast<int>(command)];
  if (!handler) return false;
  if (SettlePendingEdit && !KeepsPendingEdit(command)) SettlePendingEdit();
  if (BeforeCommand) BeforeCommand();
  handler(index);
  if (AfterCommand) AfterCommand();
  return true;
}

bool CommandTable::IsBuilt(MainCommand command) const {
  return static_cast<bool>(handlers_[static_cast<int>(command)]);
}

}  // namespace selvana
