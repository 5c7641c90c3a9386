// The main window's menu and tool-bar lists, the caption and the resize rules, without a window.
#include "mainwin/main_menu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "mainwin/main_layout.h"

namespace selvana {
namespace {

TEST(MainMenuLists, EveryCommandHasAMenuItemOrAButton) {
  std::set<MainCommand> reached;
  for (const MenuEntry& e : MainMenuEntries()) reached.insert(e.Command);
  for (const ToolButtonEntry& b : MainToolButtons()) reached.insert(b.Command);
  for (int i = 0; i < kMainCommandCount; ++i) {
    EXPECT_TRUE(reached.count(static_cast<MainCommand>(i)))
        << MainCommandName(static_cast<MainCommand>(i));
  }
}

TEST(MainMenuLists, ObjectNamesAreUnique) {
  std::set<std::string> names;
  for (const MenuEntry& e : MainMenuEntries()) {
    if (e.Name.empty()) continue;
    EXPECT_TRUE(names.insert(e.Name).second) << e.Name;
  }
  EXPECT_EQ(names.count("Y64"), 1u);
  EXPECT_EQ(names.count("G2L"), 1u);
}

TEST(MainMenuLists, FileMenuEndsWithRecentFilesSeparatorAndExit) {
  const std::vector<MenuEntry>& m = MainMenuEntries();
  auto exit =
      std::find_if(m.begin(), m.end(), [](const MenuEntry& e) { return e.Name == "MainExit"; });
  ASSERT_NE(exit, m.end());
  EXPECT_EQ((exit - 1)->Name, "N4");
  EXPECT_TRUE((exit - 1)->Separator);
  EXPECT_FALSE((exit - 1)->Visible);
  EXPECT_EQ((exit - 2)->Name, "F5");
  EXPECT_EQ((exit - 2)->Index, 4);
}

TEST(MainCaption, NamesTheProjectOrSaysUntitled) {
  EXPECT_EQ(MainCaption(""), "Selvana for Windows (無題)");
  EXPECT_EQ(MainCaption("堤防A"), "Selvana for Windows (堤防A)");
}

TEST(MainLayoutRules, FollowTheOuterWindowSize) {
  const MainLayout l = LayoutMainWindow(1024, 768);
  EXPECT_EQ(l.Image1.Top, 32);
  EXPECT_EQ(l.Image1.Width, 1024 - 28);
  EXPECT_EQ(l.Image1.Height, 768 - 116);
  EXPECT_EQ(l.ScrollBar1.Top, 768 - 84);
  EXPECT_EQ(l.ScrollBar1.Width, 1024 - 30);
  EXPECT_EQ(l.ScrollBar2.Left, 1024 - 28);
  EXPECT_EQ(l.ScrollBar2.Height, 768 - 120);
  EXPECT_EQ(l.Panel1.Width, 1024 - 10);
  EXPECT_EQ(l.Panel2.Top, 768 - 66);
  EXPECT_EQ(l.Panel2.Left, 1024 - 152);
  EXPECT_EQ(l.Panel3.Width, 1024 - 160);
}

TEST(MainLayoutRules, TinyWindowKeepsControlsAtLeastOnePixel) {
  const MainLayout l = LayoutMainWindow(10, 10);
  EXPECT_EQ(l.Image1.Width, 1);
  EXPECT_EQ(l.Image1.Height, 1);
  EXPECT_EQ(l.Panel3.Width, 1);
}

}  // namespace
}  // namespace selvana
