// Start-up and close of the program's session.
#include "mainwin/program_session.h"

#include "mainwin/settings_file.h"
#include "model/project_model.h"
#include "platform/file_lookup.h"
#include "platform/message_box.h"
#include "platform/program_folders.h"

namespace selvana {

bool SavePromptAllowsGoingOn(const std::function<bool()>& saveProject) {
  if (DataModified <= 0) return true;
  switch (ShowMessage(kCloseQuestion, "確認", MsgButtons::YesNoCancel, MsgIcon::Question)) {
    case MsgAnswer::Yes: return saveProject && saveProject();
    case MsgAnswer::No: return true;
    default: return false;
  }
}

void StartProgramSession() {
  InitProgramFolders();
  ReadSettingsFile(ProgramDir + kSettingsFileName);
  ResetProjectData();
}

bool EndProgramSession(const std::function<bool()>& saveProject) {
  if (!SavePromptAllowsGoingOn(saveProject)) return false;
  if (!ProgramDir.empty()) ChangeDirectory(ProgramDir);
  WriteSettingsFile(ProgramDir + kSettingsFileName);
  ResetProjectData();
  return true;
}

}  // namespace selvana
