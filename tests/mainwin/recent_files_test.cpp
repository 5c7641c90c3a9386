// The recent-file list: newest first, a reopened file moves to the top, a sixth file pushes the
// oldest out, and the menu shows the filled slots.
#include "mainwin/recent_files.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "mainwin/recording_menus.h"

namespace selvana {
namespace {

using test::RecordingRecentFilesMenu;

void AddAll(std::initializer_list<const char*> paths) {
  for (const char* path : paths) AddRecentFile(path);
}

TEST(RecentFileOrder, NewestFirstWithoutRepeatsAndFiveAtMost) {
  // "斜" is two bytes in CP932 (three in UTF-8): 511 and 513 bytes in the settings file.
  std::string kLongestPath = "/.SDW", kLongPath = "/.SDW";
  for (int i = 0; i < 253; ++i) kLongestPath.insert(1, "斜"), kLongPath.insert(1, "斜");
  kLongPath.insert(1, "斜");
  struct Case {
    const char* name;
    std::vector<const char*> added;
    std::array<std::string, kRecentFileCount> listed;
  };
  const Case cases[] = {
      {"newest_comes_first", {"/a.SDW", "/b.SDW", "/c.SDW"}, {"/c.SDW", "/b.SDW", "/a.SDW"}},
      {"reopening_item_three_moves_it_to_the_top_and_keeps_four_and_five",
       {"/5.SDW", "/4.SDW", "/3.SDW", "/2.SDW", "/1.SDW", "/3.SDW"},
       {"/3.SDW", "/1.SDW", "/2.SDW", "/4.SDW", "/5.SDW"}},
      {"sixth_file_pushes_the_oldest_out",
       {"/1.SDW", "/2.SDW", "/3.SDW", "/4.SDW", "/5.SDW", "/6.SDW"},
       {"/6.SDW", "/5.SDW", "/4.SDW", "/3.SDW", "/2.SDW"}},
      {"paths_differing_in_case_are_different_entries",
       {"/data/A.SDW", "/data/a.SDW"},
       {"/data/a.SDW", "/data/A.SDW"}},
      // "é" has no CP932 code; the wave dash would come back from CP932 as a full-width tilde.
      {"path_the_settings_file_cannot_keep_is_not_listed",
       {"/data/A.SDW", "/home/josé/B.SDW", "/data/\u301C/C.SDW", "/data/斜面/D.SDW"},
       {"/data/斜面/D.SDW", "/data/A.SDW"}},
      // The settings file line carries 511 bytes; a longer path would come back cut.
      {"path_longer_than_a_settings_line_is_not_listed",
       {"/data/A.SDW", kLongPath.c_str(), kLongestPath.c_str()},
       {kLongestPath, "/data/A.SDW"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RecentFiles.fill("");
    for (const char* path : c.added) AddRecentFile(path);
    EXPECT_EQ(RecentFiles, c.listed);
  }
}

TEST(RecentFileMenu, EmptyListShowsNothing) {
  RecordingRecentFilesMenu menu;
  AddRecentFile("");
  EXPECT_TRUE(menu.captions.empty());
  EXPECT_FALSE(menu.separatorShown);
}

TEST(RecentFileMenu, FilledSlotsShowNumberedCaptionsAndTheSeparator) {
  RecordingRecentFilesMenu menu;
  AddAll({"/x/B.SDW", "/x/A.SDW"});
  EXPECT_TRUE(menu.separatorShown);
  EXPECT_EQ(menu.captions.size(), 2u);
  EXPECT_EQ(menu.captions[0], "/x/A.SDW (&1)");
  EXPECT_EQ(menu.captions[1], "/x/B.SDW (&2)");
}

TEST(RecentFileMenu, AmpersandInAPathIsShownAsWritten) {
  AddRecentFile("/R&D/A.SDW");
  EXPECT_EQ(RecentFileCaption(0), "/R&&D/A.SDW (&1)");
}

}  // namespace
}  // namespace selvana
