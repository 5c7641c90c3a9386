// The file menu of the main window without any toolkit: new project, open, the five recent
// files, the partial loads of conditions, blocks and terrain, the DXF terrain import, save, save
// as and the default printer, with the save prompt, the caption, the data folder and the
// recent-file list. It reaches the windows only through the interfaces it is given.
#pragma once
#include <optional>
#include <string>

#include "editing/main_commands.h"
#include "editing/main_window_port.h"
#include "model/dxf_settings_prompt.h"
#include "platform/file_dialog.h"
#include "platform/printer_dialog.h"

namespace selvana {

// The windows the file commands talk to; they must outlive the commands.
struct FileCommandWindows {
  FileDialog& Files;
  PrinterDialog& Printer;
  DxfSettingsPrompt& DxfSettings;  // shown by the DXF import between its two passes
  MainWindowPort& Window;          // the main window, for its caption
};

inline constexpr char kDxfReplaceQuestion[] =
    "現在の地形データを削除して指定したＤＸＦファイルで置き換えます。";
// Refusals of a chosen project file whose name the model cannot hold (caption "error"; %s is the
// file name as chosen).
inline constexpr char kNameTooLongMessage[] =
    "ファイル名(%s) が長すぎます。255バイト以内の名前にしてください。";
inline constexpr char kNameNotCp932Message[] = "ファイル名(%s) に使えない文字が含まれています。";

class FileCommands {
 public:
  explicit FileCommands(const FileCommandWindows& windows) : windows_(windows) {}

  // Registers New_Data, Open, F (recent files), Joken, Block, Tikei, Dxf, Save, SaveAs and
  // DefPrt, and SaveClick as the save that the close prompt's Yes runs.
  void Register(CommandTable& table);

  // After the save prompt: an untitled new project and a black view.
  void New_DataClick();
  // After the save prompt and the open dialog: reads the chosen project from its folder, which
  // becomes the data folder, shows its name in the caption, fits the view and records the file
  // among the recent files. A file that cannot be read changes none of these.
  void OpenClick();
  // The same with slot 0..4 of RecentFiles instead of the dialog: the file listed there when the
  // item was chosen, even when a save as in the prompt moves the list.
  void RecentFileClick(int slot);
  // Partial loads: read only conditions, blocks or terrain from a chosen project file in its
  // folder, return to the data folder and fit the view. No save prompt; the data folder, caption
  // and recent files stay as they are.
  void JokenClick();
  void BlockClick();
  void TikeiClick();
  // Asks before replacing existing terrain, then imports a chosen DXF file and fits the view.
  void DxfClick();
  // Writes the project under its name into the folder it was opened from or last saved in
  // (the data folder when it came from neither), or runs SaveAsClick when it has no name yet;
  // the data folder is the current directory afterwards. True only when the file was written.
  bool SaveClick();
  // Writes the project under a chosen name; on success its folder becomes the data folder, the
  // caption shows the new name and the file is recorded among the recent files. True only when
  // the file was written; a failed write changes none of these.
  bool SaveAsClick();
  // Lets the user choose the default printer; says why when none was set (no printer
  // installed, or the choice could not be made the default).
  void DefPrtClick();

  // The save prompt before a command that replaces the project: true when the command may go
  // on (nothing to save, No, or Yes with the project written), false for Cancel and for Yes
  // whose save did not complete.
  bool SavePromptAllowsGoingOn();

 private:
  void OpenProject(const std::string& path);
  void LoadPart(const char* title, int (*readPart)(const std::string& base));
  void ShowProjectCaption();

  FileCommandWindows windows_;
  // The folder of the file the project was opened from or last saved as; empty for a new one.
  std::string projectFolder_;
};

// The project base name of a chosen file path (UTF-8): its file name without extension in CP932,
// as the project reader and writer take it. Nothing, after a message captioned "error", when
// the name has characters CP932 cannot spell or spells only as other characters (so that the
// file on disk would not be the one chosen), or is longer than 255 bytes in CP932.
std::optional<std::string> ProjectBaseOf(const std::string& path);

}  // namespace selvana
