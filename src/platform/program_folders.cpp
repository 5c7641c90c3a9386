// The program and data folders.
#include "platform/program_folders.h"

#include "platform/file_lookup.h"
#include "platform/message_box.h"
#include "platform/number_format.h"

namespace selvana {

std::string ProgramDir;
std::string DataDir;

void InitProgramFolders() {
  ProgramDir = CurrentDirectory();
  if (ProgramDir.empty() || ProgramDir.back() != '/') ProgramDir += '/';
  DataDir = ProgramDir;
  ChangeDirectory(ProgramDir);
}

std::string ChosenFolderOf(const std::string& path) {
  const std::string folder = FolderOf(path);
  return folder.empty() ? CurrentDirectory() : folder;
}

bool EnterFolder(const std::string& folder) {
  if (ChangeDirectory(folder)) return true;
  ShowMessage(StrFormat(kMissingFolderMessage, folder.c_str()), "error", MsgButtons::Ok,
              MsgIcon::Error);
  return false;
}

}  // namespace selvana
