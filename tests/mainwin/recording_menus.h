// Menus for tests: record what the engine asks the main window's menus to show.
#pragma once
#include <map>
#include <string>

#include "mainwin/drawing_menus.h"
#include "mainwin/recent_files.h"

namespace selvana::test {

// Installs itself as the recent-file menu for its lifetime.
class RecordingRecentFilesMenu : public RecentFilesMenu {
 public:
  RecordingRecentFilesMenu() : previous_(InstallRecentFilesMenu(this)) {}
  ~RecordingRecentFilesMenu() override { InstallRecentFilesMenu(previous_); }
  void ShowRecentFileItem(int slot, const std::string& caption) override {
    captions[slot] = caption;
  }
  void ShowRecentFileSeparator() override { separatorShown = true; }

  std::map<int, std::string> captions;  // the items shown, by slot
  bool separatorShown = false;

 private:
  RecentFilesMenu* previous_;
};

// Installs itself as the drawing menus for its lifetime.
class RecordingDrawingMenus : public DrawingMenus {
 public:
  RecordingDrawingMenus() : previous_(InstallDrawingMenus(this)) {}
  ~RecordingDrawingMenus() override { InstallDrawingMenus(previous_); }
  void ApplyDrawingMenus(const DrawingMenuState& state) override {
    last = state;
    ++applied;
  }

  DrawingMenuState last;
  int applied = 0;

 private:
  DrawingMenus* previous_;
};

}  // namespace selvana::test
