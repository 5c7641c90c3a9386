// Importing sheet-pile files and importing and exporting partial-factor files from the dialogs.
#include "forms/pile_factor_imports.h"

#include <string>

#include "forms/pile_factor_form.h"
#include "model/pile_factor_files.h"
#include "platform/file_lookup.h"
#include "platform/program_folders.h"

namespace selvana {
namespace {

FileDialogRequest FactorFileRequest(const char* title) {
  return {title, ProgramDir, "PAK", "部分安全係数ファイル(*.PAK)", "PAK"};
}

std::string BaseOf(const std::string& path) { return BaseNameOf(FileNameOf(path)); }

// Runs work with the chosen file's folder as the current directory, then returns to the one
// before.
template <typename Work>
void InFolderOf(const std::string& path, Work work) {
  const std::string before = CurrentDirectory();
  if (EnterFolder(ChosenFolderOf(path))) work(BaseOf(path));
  ChangeDirectory(before);
}

}  // namespace

bool ImportSheetPileFile(FileDialog& files, SheetPileSettingsRecord& pile,
                         DrawSettingsRecord& draw) {
  const std::string path = files.ChooseFileToOpen(
      {"矢板諸元データを読み込む", DataDir, "DAT", "矢板諸元ファイル(*.DAT)", "DAT"});
  if (path.empty()) return false;
  const std::string folder = ChosenFolderOf(path);
  if (!EnterFolder(folder)) return false;
  DataDir = folder;
  return ReadSheetPileSpecFile(BaseOf(path), pile, draw) == 0;
}

bool ImportPartialFactors(FileDialog& files, PartialFactorsRecord& factors) {
  const std::string path = files.ChooseFileToOpen(FactorFileRequest("部分係数データを読み込む"));
  if (path.empty()) return false;
  bool read = false;
  InFolderOf(path,
             [&](const std::string& base) { read = ReadPartialFactorFile(base, factors) == 0; });
  return read;
}

void ExportPartialFactors(FileDialog& files, const TableGrid& grid, PartialFactorsRecord& factors) {
  const std::string path =
      files.ChooseFileToSave(FactorFileRequest("部分係数データを名前を付けて保存する"));
  if (path.empty()) return;
  factors.Factor = FactorsFromRows(grid);
  InFolderOf(path, [&](const std::string& base) { WritePartialFactorFile(base, factors); });
}

}  // namespace selvana
