// The settings file: what a run writes is what the next run reads, and a missing, short or
// damaged file gives the defaults for whatever it lacks.
#include "mainwin/settings_file.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "mainwin/form_sizes.h"
#include "mainwin/recent_files.h"
#include "platform/cp932.h"
#include "platform/program_folders.h"
#include "support/temp_folder.h"

namespace selvana {
namespace {

using test::TempFolder;

std::string Lines(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) text += std::string(line) + "\r\n";
  return text;
}

void ExpectDefaultSize(int slot, int width, int height) {
  EXPECT_EQ(FormSizes[slot].Width, width) << "slot " << slot;
  EXPECT_EQ(FormSizes[slot].Height, height) << "slot " << slot;
}

TEST(SettingsFileRoundTrip, WritesThirtyEightCrLfLinesAndReadsThemBack) {
  TempFolder dir;
  DataDir = "/data/斜面/";
  RecentFiles = {"/data/斜面/A.SDW", "/data/B.SDW", "", "", ""};
  FormSizes[1] = {900, 700, 3, 4};
  FormSizes[25] = {11, 12, 13, 14};
  ASSERT_TRUE(WriteSettingsFile(dir.File("DROVIK.ini")));

  const std::string bytes = dir.Read("DROVIK.ini");
  int lineEnds = 0;
  for (std::size_t i = 0; i + 1 < bytes.size(); ++i) lineEnds += bytes.compare(i, 2, "\r\n") == 0;
  EXPECT_EQ(lineEnds, kSettingsLineCount);
  const std::string firstLine = ToCp932("/data/斜面/") + "\r\n";  // CP932, not UTF-8
  EXPECT_EQ(bytes.substr(0, firstLine.size()), firstLine);

  ResetMainWindowSettings();
  ASSERT_EQ(ReadSettingsFile(dir.File("DROVIK.ini")), 0);
  EXPECT_EQ(DataDir, "/data/斜面/");
  EXPECT_EQ(RecentFiles[0], "/data/斜面/A.SDW");
  EXPECT_EQ(RecentFiles[1], "/data/B.SDW");
  EXPECT_EQ(RecentFiles[2], "");
  EXPECT_EQ(FormSizes[1].Width, 900);
  EXPECT_EQ(FormSizes[1].Top, 4);
  EXPECT_EQ(FormSizes[25].Left, 13);
}

TEST(SettingsFileRoundTrip, SizeLinesHoldWidthHeightLeftTop) {
  TempFolder dir;
  ResetFormSizes();
  ASSERT_TRUE(WriteSettingsFile(dir.File("DROVIK.ini")));
  const std::string bytes = dir.Read("DROVIK.ini");
  EXPECT_NE(bytes.find("\r\n800 600 0 0\r\n777 625 0 0\r\n"), std::string::npos);
}

TEST(SettingsFileMissing, KeepsFoldersAndGivesDefaultSizes) {
  TempFolder dir;
  DataDir = "/prog/";
  FormSizes[2] = {1, 1, 1, 1};
  EXPECT_EQ(ReadSettingsFile(dir.File("DROVIK.ini")), 1);
  EXPECT_EQ(DataDir, "/prog/");
  ExpectDefaultSize(2, 432, 505);
  EXPECT_EQ(RecentFiles[0], "");
}

// Files that end early: what they hold is read, everything after keeps its default.
TEST(SettingsFileShort, ReadsWhatIsThereAndKeepsDefaultsForTheRest) {
  struct Size {
    int slot, width, height;
  };
  struct Case {
    const char* name;
    std::string text;
    std::string dataDir;
    std::array<std::string, kRecentFileCount> recent;
    std::vector<Size> sizes;
  };
  const Case cases[] = {
      {"empty_file_leaves_the_data_folder", "", "/prog/", {}, {{12, 600, 500}}},
      {"one_line_gives_the_data_folder_only", Lines({"/data/"}), "/data/", {}, {{8, 500, 529}}},
      // The recent files after the last line read are empty, not a repeat of it.
      {"ending_inside_the_recent_files",
       Lines({"/data/", "/data/A.SDW", "/data/B.SDW"}),
       "/data/",
       {"/data/A.SDW", "/data/B.SDW"},
       {{1, 777, 625}}},
      // Slot 2 is not a repeat of slot 1.
      {"ending_inside_the_sizes",
       Lines({"/d/", "", "", "", "", "", "800 600 0 0", "1000 900 5 6"}),
       "/d/",
       {},
       {{1, 1000, 900}, {2, 432, 505}, {31, 450, 228}}},
      {"line_feed_only_line_ends", "/data/\n/data/A.SDW\n", "/data/", {"/data/A.SDW"}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetMainWindowSettings();
    TempFolder dir;
    DataDir = "/prog/";
    dir.Write("DROVIK.ini", c.text);
    EXPECT_EQ(ReadSettingsFile(dir.File("DROVIK.ini")), 0);
    EXPECT_EQ(DataDir, c.dataDir);
    EXPECT_EQ(RecentFiles, c.recent);
    for (const Size& size : c.sizes) ExpectDefaultSize(size.slot, size.width, size.height);
  }
}

TEST(SettingsFileDamaged, SizeLineWithoutFourNumbersKeepsTheDefault) {
  TempFolder dir;
  dir.Write("DROVIK.ini", Lines({"/d/", "", "", "", "", "", "800 600 0 0", "abc", "1 2 3",
                                 "99999999999 1 1 1", "  +5 -6 7 8 tail"}));
  ReadSettingsFile(dir.File("DROVIK.ini"));
  ExpectDefaultSize(1, 777, 625);
  ExpectDefaultSize(2, 432, 505);
  ExpectDefaultSize(3, 475, 412);
  EXPECT_EQ(FormSizes[4].Width, 5);  // blanks, signs and trailing text as "%d" reads them
  EXPECT_EQ(FormSizes[4].Height, -6);
}

TEST(SettingsFileLongPaths, AreCutOnACharacterBoundaryWithoutShiftingLines) {
  TempFolder dir;
  // 510 ASCII bytes then a two-byte character: the cut may not split it.
  const std::string longPath = std::string(510, 'a') + ToCp932("斜") + "/X.SDW";
  dir.Write("DROVIK.ini", longPath + "\r\n" + longPath + "\r\n/short.SDW\r\n");
  ReadSettingsFile(dir.File("DROVIK.ini"));
  EXPECT_EQ(DataDir, std::string(510, 'a'));
  EXPECT_EQ(RecentFiles[0], std::string(510, 'a'));
  EXPECT_EQ(RecentFiles[1], "/short.SDW");  // the long line did not spill into the next slot
}

TEST(SettingsFileLongPaths, UnrepresentablePathIsWrittenEmpty) {
  TempFolder dir;
  DataDir = "/data/";
  RecentFiles[0] = "/home/josé/A.SDW";  // "é" has no CP932 code
  RecentFiles[1] = "/data/B.SDW";
  ASSERT_TRUE(WriteSettingsFile(dir.File("DROVIK.ini")));
  ResetMainWindowSettings();
  ReadSettingsFile(dir.File("DROVIK.ini"));
  EXPECT_EQ(RecentFiles[0], "");
  EXPECT_EQ(RecentFiles[1], "/data/B.SDW");
}

TEST(SettingsFileLongPaths, UnrepresentableDataFolderKeepsTheNearestFolderAbove) {
  const std::string kTooLong = "/data/" + std::string(520, 'a') + "/";
  const struct {
    const char* folder;
    const char* kept;
  } cases[] = {
      {"/data/斜面/josé/", "/data/斜面/"}, {"/data/josé/x/y/", "/data/"}, {"/josé/", "/"},
      {"/data/\u301C/", "/data/"},  // the wave dash comes back from CP932 as another character
      {"/data/斜面/", "/data/斜面/"},      {kTooLong.c_str(), "/data/"},  // a line carries 511
                                                                          // bytes: the folder would
                                                                          // come back cut
  };
  TempFolder dir;
  for (const auto& c : cases) {
    DataDir = c.folder;
    ASSERT_TRUE(WriteSettingsFile(dir.File("DROVIK.ini")));
    DataDir.clear();
    ReadSettingsFile(dir.File("DROVIK.ini"));
    EXPECT_EQ(DataDir, c.kept) << c.folder;
  }
}

TEST(SettingsFileWrite, ReportsAFileThatCannotBeCreated) {
  TempFolder dir;
  EXPECT_FALSE(WriteSettingsFile(dir.File("no/such/folder/DROVIK.ini")));
}

TEST(FormSizeDefaults, ResetLeavesUnlistedSlotsAlone) {
  FormSizes[17] = {1, 2, 3, 4};
  FormSizes[20] = {5, 6, 7, 8};
  FormSizes[9] = {1, 1, 1, 1};
  ResetFormSizes();
  EXPECT_EQ(FormSizes[17].Width, 1);
  EXPECT_EQ(FormSizes[20].Top, 8);
  ExpectDefaultSize(9, 254, 111);
  EXPECT_EQ(FormSizes[9].Left, 0);
  ExpectDefaultSize(18, 272, 400);
  ExpectDefaultSize(29, 112, 65);
}

}  // namespace
}  // namespace selvana
