// The file commands: the order of their steps, the dialogs they show and the folder they read
// and write in.
#include "mainwin/file_commands.h"

#include "mainwin/main_menu.h"
#include "mainwin/program_session.h"
#include "mainwin/recent_files.h"
#include "model/dxf_import.h"
#include "model/project_file.h"
#include "model/project_model.h"
#include "platform/cp932.h"
#include "platform/file_lookup.h"
#include "platform/message_box.h"
#include "platform/number_format.h"
#include "platform/program_folders.h"
#include "view/view_fitting.h"
#include "view/view_ports.h"

namespace selvana {
namespace {

constexpr char kProjectFilter[] = "斜面安定検討ファイル(*.SDW)";
constexpr char kDxfFilter[] = "地形ＣＡＤファイル(*.DXF)";

FileDialogRequest ProjectRequest(const char* title) {
  return {title, DataDir, "SDW", kProjectFilter, "SDW"};
}

FileDialogRequest DxfRequest() {
  return {"地形データ(DXF)を読み込む", DataDir, "DXF", kDxfFilter, "DXF"};
}

void FillViewBlack() {
  if (Canvas* canvas = ViewCanvas()) {
    canvas->FillRect(0, 0, canvas->Width(), canvas->Height(), kBlack);
  }
}

}  // namespace

void FileCommands::Register(CommandTable& table) {
  table.Set(MainCommand::New_Data, [this](int) { New_DataClick(); });
  table.Set(MainCommand::Open, [this](int) { OpenClick(); });
  table.Set(MainCommand::F, [this](int slot) { RecentFileClick(slot); });
  table.Set(MainCommand::Joken, [this](int) { JokenClick(); });
  table.Set(MainCommand::Block, [this](int) { BlockClick(); });
  table.Set(MainCommand::Tikei, [this](int) { TikeiClick(); });
  table.Set(MainCommand::Dxf, [this](int) { DxfClick(); });
  table.Set(MainCommand::Save, [this](int) { SaveClick(); });
  table.Set(MainCommand::SaveAs, [this](int) { SaveAsClick(); });
  table.Set(MainCommand::DefPrt, [this](int) { DefPrtClick(); });
  table.SaveProject = [this] { return SaveClick(); };
}

bool FileCommands::SavePromptAllowsGoingOn() {
  return selvana::SavePromptAllowsGoingOn([this] { return SaveClick(); });
}

void FileCommands::ShowProjectCaption() {
  windows_.Window.SetCaption(MainCaption(ToUtf8(cm.ProjectFileName)));
}

void FileCommands::New_DataClick() {
  if (!SavePromptAllowsGoingOn()) return;
  windows_.Window.SetCaption(MainCaption(""));
  ResetProjectData();
  projectFolder_.clear();
  FillViewBlack();
}

void FileCommands::OpenClick() {
  if (!SavePromptAllowsGoingOn()) return;
  const std::string path = windows_.Files.ChooseFileToOpen(ProjectRequest("データファイルを開く"));
  if (!path.empty()) OpenProject(path);
}

void FileCommands::RecentFileClick(int slot) {
  if (slot < 0 || slot >= kRecentFileCount || RecentFiles[slot].empty()) return;
  // Taken before the save prompt: a save as there puts its file at the top and moves the list.
  const std::string path = RecentFiles[slot];
  if (!SavePromptAllowsGoingOn()) return;
  OpenProject(path);
}

void FileCommands::OpenProject(const std::string& path) {
  const std::optional<std::string> base = ProjectBaseOf(path);
  if (!base) return;
  const std::string folder = ChosenFolderOf(path);
  if (!EnterFolder(folder) || ReadProjectFile(*base) != kReadOk) {
    ChangeDirectory(DataDir);
    return;
  }
  DataDir = projectFolder_ = folder;
  ShowProjectCaption();
  FitViewToModel();
  AddRecentFile(path);
}

void FileCommands::LoadPart(const char* title, int (*readPart)(const std::string& base)) {
  const std::string path = windows_.Files.ChooseFileToOpen(ProjectRequest(title));
  if (path.empty()) return;
  const std::optional<std::string> base = ProjectBaseOf(path);
  if (!base) return;
  const bool entered = EnterFolder(ChosenFolderOf(path));
  if (entered) readPart(*base);
  ChangeDirectory(DataDir);
  if (entered) FitViewToModel();
}

void FileCommands::JokenClick() { LoadPart("条件データを読み込む", ReadProjectConditions); }
void FileCommands::BlockClick() { LoadPart("ブロックデータを読み込む", ReadProjectBlocks); }
void FileCommands::TikeiClick() { LoadPart("地形データを読み込む", ReadProjectTerrain); }

void FileCommands::DxfClick() {
  if (PointCount > 0 && ShowMessage(kDxfReplaceQuestion, "確認", MsgButtons::YesNo,
                                    MsgIcon::Question) != MsgAnswer::Yes) {
    return;
  }
  const std::string path = windows_.Files.ChooseFileToOpen(DxfRequest());
  if (path.empty()) return;
  const bool entered = EnterFolder(ChosenFolderOf(path));
  if (entered) ImportDxfTerrain(BaseNameOf(FileNameOf(path)), windows_.DxfSettings);
  ChangeDirectory(DataDir);
  if (entered) FitViewToModel();
}

bool FileCommands::SaveClick() {
  if (cm.ProjectFileName.empty()) return SaveAsClick();
  // The data folder may have moved since (the sheet-pile import moves it to its file's folder);
  // the project goes back into its own file all the same.
  const bool written = EnterFolder(projectFolder_.empty() ? DataDir : projectFolder_) &&
                       WriteProjectFile(cm.ProjectFileName) == kWriteOk;
  ChangeDirectory(DataDir);
  return written;
}

bool FileCommands::SaveAsClick() {
  const std::string path =
      windows_.Files.ChooseFileToSave(ProjectRequest("データファイルを名前を付けて保存する"));
  if (path.empty()) return false;
  const std::optional<std::string> base = ProjectBaseOf(path);
  if (!base) return false;
  const std::string folder = ChosenFolderOf(path);
  if (!EnterFolder(folder) || WriteProjectFile(*base) != kWriteOk) {
    ChangeDirectory(DataDir);
    return false;
  }
  DataDir = projectFolder_ = folder;
  ShowProjectCaption();
  AddRecentFile(path);
  return true;
}

void FileCommands::DefPrtClick() {
  const PrinterChoice choice = windows_.Printer.ChooseDefaultPrinter();
  if (choice == PrinterChoice::Chosen || choice == PrinterChoice::Cancelled) return;
  std::string text = kDefaultPrinterFailedMessage;
  if (choice == PrinterChoice::NoPrinter) text += std::string("\n") + kNoPrinterInstalledMessage;
  ShowMessage(text, "error", MsgButtons::Ok, MsgIcon::Error);
}

}  // namespace selvana
