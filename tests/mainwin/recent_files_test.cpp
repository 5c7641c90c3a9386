// The recent-file list: newest first, a reopened file moves to the top, a sixth file pushes the
// oldest out, and the menu shows the filled slots.
#include "mainwin/recent_files.h"

#include <gtest/gtest.h>

#include "mainwin/recording_menus.h"

namespace selvana {
namespace {

using test::RecordingRecentFilesMenu;

void AddAll(std::initializer_list<const char*> paths) {
  for (const char* path : paths) AddRecentFile(path);
}

TEST(RecentFileOrder, NewestComesFirst) {
  AddAll({"/a.SDW", "/b.SDW", "/c.SDW"});
  EXPECT_EQ(RecentFiles[0], "/c.SDW");
  EXPECT_EQ(RecentFiles[1], "/b.SDW");
  EXPECT_EQ(RecentFiles[2], "/a.SDW");
  EXPECT_EQ(RecentFiles[3], "");
}

TEST(RecentFileOrder, ReopeningItemThreeMovesItToTheTopAndKeepsFourAndFive) {
  AddAll({"/5.SDW", "/4.SDW", "/3.SDW", "/2.SDW", "/1.SDW"});
  AddRecentFile("/3.SDW");
  EXPECT_EQ(RecentFiles, (std::array<std::string, 5>{"/3.SDW", "/1.SDW", "/2.SDW", "/4.SDW",
                                                     "/5.SDW"}));
}

TEST(RecentFileOrder, SixthFilePushesTheOldestOut) {
  AddAll({"/1.SDW", "/2.SDW", "/3.SDW", "/4.SDW", "/5.SDW", "/6.SDW"});
  EXPECT_EQ(RecentFiles[0], "/6.SDW");
  EXPECT_EQ(RecentFiles[4], "/2.SDW");
}

TEST(RecentFileOrder, PathsDifferingInCaseAreDifferentEntries) {
  AddAll({"/data/A.SDW", "/data/a.SDW"});
  EXPECT_EQ(RecentFiles[0], "/data/a.SDW");
  EXPECT_EQ(RecentFiles[1], "/data/A.SDW");
}

TEST(RecentFileOrder, PathTheSettingsFileCannotKeepIsNotListed) {
  // "é" has no CP932 code; the wave dash would come back from CP932 as a full-width tilde.
  AddAll({"/data/A.SDW", "/home/josé/B.SDW", "/data/\u301C/C.SDW", "/data/斜面/D.SDW"});
  EXPECT_EQ(RecentFiles[0], "/data/斜面/D.SDW");
  EXPECT_EQ(RecentFiles[1], "/data/A.SDW");
  EXPECT_EQ(RecentFiles[2], "");
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
