// The program and data folders.
#include "platform/program_folders.h"

#include "platform/file_lookup.h"

namespace selvana {

std::string ProgramDir;
std::string DataDir;

void InitProgramFolders() {
  ProgramDir = CurrentDirectory();
  if (ProgramDir.empty() || ProgramDir.back() != '/') ProgramDir += '/';
  DataDir = ProgramDir;
  ChangeDirectory(ProgramDir);
}

}  // namespace selvana
