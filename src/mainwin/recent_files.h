// The five most recently opened or saved project files (newest first) and the file-menu items
// that show them.
#pragma once
#include <array>
#include <string>

namespace selvana {

inline constexpr int kRecentFileCount = 5;

// Full paths; an empty text marks a free slot.
extern std::array<std::string, kRecentFileCount> RecentFiles;

// The file menu's recent-file items as the main window implements them. Items start hidden.
class RecentFilesMenu {
 public:
  virtual ~RecentFilesMenu() = default;
  // Shows the item of slot (0..4) with the caption (UTF-8, "&" marks the access key).
  virtual void ShowRecentFileItem(int slot, const std::string& caption) = 0;
  // Shows the separator above the exit item.
  virtual void ShowRecentFileSeparator() = 0;
};

// Installs the menu that AddRecentFile refreshes (nullptr: none); returns the previous one.
RecentFilesMenu* InstallRecentFilesMenu(RecentFilesMenu* menu);

// Records a project file: a path already listed (compared byte for byte) moves to the top, a new
// path enters at the top and the oldest drops. Then shows the item of every filled slot. An empty
// path, or one the settings file could not keep (SettingsFileCanHold), only refreshes the menu.
// Items of empty slots are left as they are.
void AddRecentFile(const std::string& path);

// The caption of slot's item: the path (with "&" doubled so that it shows as written) and
// " (&1)" .. " (&5)".
std::string RecentFileCaption(int slot);

// Empties every slot (no menu refresh).
void ClearRecentFiles();

}  // namespace selvana
