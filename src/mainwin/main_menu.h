// The main window's menus and tool buttons as data: every item with its object name, caption
// (with its "&" access key), command and initial visibility and enabling. The window builds its
// menu bar and tool bar from these lists.
#pragma once
#include <string>
#include <vector>

#include "editing/main_commands.h"
#include "editing/main_window_port.h"

namespace selvana {

struct MenuEntry {
  int Depth = 0;        // 0 a menu of the menu bar, 1 an item of it, 2 an item of a submenu
  std::string Name;     // object name (may be empty for a separator or a submenu)
  std::string Caption;  // UTF-8; empty for a separator
  bool Separator = false;
  bool Submenu = false;  // the entries of greater depth that follow belong to it
  MainCommand Command = MainCommand::Count;  // Count: the entry runs no command
  int Index = 0;                             // passed to the command
  bool Visible = true;
  bool Enabled = true;
};

// The menu bar, menus and items in order.
const std::vector<MenuEntry>& MainMenuEntries();

struct ToolButtonEntry {
  std::string Name;     // "BitBtnNew", ...
  std::string Hint;     // UTF-8
  std::string Caption;  // text shown on the button instead of a glyph ("？", "XY"), else empty
  MainCommand Command;
  bool Visible = true;
};

// The tool bar's buttons from left to right.
const std::vector<ToolButtonEntry>& MainToolButtons();

// The main window's caption for a named project (kAppTitle alone without a name).
std::string MainCaption(const std::string& projectNameUtf8);  // "" gives "(無題)"

}  // namespace selvana
