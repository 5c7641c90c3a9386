// The recent-file list and the refresh of its menu items.
#include "mainwin/recent_files.h"

#include "mainwin/settings_file.h"

namespace selvana {

std::array<std::string, kRecentFileCount> RecentFiles;

namespace {

RecentFilesMenu* installedMenu = nullptr;

int SlotOf(const std::string& path) {
  for (int k = 0; k < kRecentFileCount; ++k) {
    if (RecentFiles[k] == path) return k;
  }
  return kRecentFileCount - 1;
}

void RefreshMenu() {
  if (!installedMenu) return;
  for (int i = 0; i < kRecentFileCount; ++i) {
    if (RecentFiles[i].empty()) continue;
    installedMenu->ShowRecentFileSeparator();
    installedMenu->ShowRecentFileItem(i, RecentFileCaption(i));
  }
}

}  // namespace

RecentFilesMenu* InstallRecentFilesMenu(RecentFilesMenu* menu) {
  RecentFilesMenu* previous = installedMenu;
  installedMenu = menu;
  return previous;
}

void AddRecentFile(const std::string& path) {
  // The list lives in the settings file: a path it cannot hold would come back as another path
  // or as nothing at the next start, so it is not listed at all.
  if (!path.empty() && SettingsFileCanHold(path)) {
    for (int j = SlotOf(path); j > 0; --j) RecentFiles[j] = RecentFiles[j - 1];
    RecentFiles[0] = path;
  }
  RefreshMenu();
}

std::string RecentFileCaption(int slot) {
  std::string caption;
  for (char c : RecentFiles[slot]) {
    caption += c;
    if (c == '&') caption += '&';
  }
  return caption + " (&" + std::to_string(slot + 1) + ")";
}

void ClearRecentFiles() {
  for (std::string& path : RecentFiles) path.clear();
}

}  // namespace selvana
