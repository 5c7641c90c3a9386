// File lookup on a case-sensitive file system and the path helpers.
#include "platform/file_lookup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/temp_folder.h"

namespace selvana {
namespace {

void Touch(const std::string& path) { std::ofstream(path) << "x"; }

TEST(FindFileIgnoringCase, FindsAFileWhateverTheCaseOfItsName) {
  test::TempFolder folder;
  Touch(folder / "slope.sdw");
  EXPECT_EQ(FindFileIgnoringCase(folder.path(), "SLOPE.SDW"), folder / "slope.sdw");
  EXPECT_EQ(FindFileIgnoringCase(folder.path() + "/", "Slope.Sdw"), folder / "slope.sdw");
}

TEST(FindFileIgnoringCase, PrefersTheExactName) {
  test::TempFolder folder;
  Touch(folder / "a.dat");
  Touch(folder / "A.DAT");
  EXPECT_EQ(FindFileIgnoringCase(folder.path(), "A.DAT"), folder / "A.DAT");
  EXPECT_EQ(FindFileIgnoringCase(folder.path(), "a.dat"), folder / "a.dat");
}

TEST(FindFileIgnoringCase, GivesTheNameAsGivenForANewFile) {
  test::TempFolder folder;
  std::filesystem::create_directory(folder / "sub.pak");  // a folder is not a file
  EXPECT_EQ(FindFileIgnoringCase(folder.path(), "NEW.SDW"), folder / "NEW.SDW");
  EXPECT_EQ(FindFileIgnoringCase(folder.path(), "SUB.PAK"), folder / "SUB.PAK");
  EXPECT_EQ(FindFileIgnoringCase(folder / "missing", "X.DXF"), folder / "missing/X.DXF");
}

TEST(FindFileIgnoringCase, LooksInTheCurrentDirectoryForAnEmptyFolder) {
  test::TempFolder folder;
  const std::string before = CurrentDirectory();
  ASSERT_TRUE(ChangeDirectory(folder.path()));
  Touch("plot.plt");
  EXPECT_EQ(FindFileIgnoringCase("", "PLOT.PLT"), "plot.plt");
  EXPECT_EQ(CurrentDirectory(), std::filesystem::canonical(folder.path()).string() + "/");
  EXPECT_TRUE(ChangeDirectory(before));
}

TEST(ChangeDirectory, ReportsAFolderThatDoesNotExist) {
  test::TempFolder folder;
  const std::string before = CurrentDirectory();
  EXPECT_FALSE(ChangeDirectory(folder / "missing"));
  EXPECT_FALSE(ChangeDirectory(""));
  EXPECT_EQ(CurrentDirectory(), before);
}

TEST(FileExists, IsTrueForRegularFilesOnly) {
  test::TempFolder folder;
  Touch(folder / "f");
  EXPECT_TRUE(FileExists(folder / "f"));
  EXPECT_FALSE(FileExists(folder.path()));
  EXPECT_FALSE(FileExists(folder / "g"));
  EXPECT_FALSE(FileExists(""));
}

TEST(PathSplitting, SplitsAtTheLastSlashAndTheLastDot) {
  EXPECT_EQ(FolderOf("/data/site/slope.v2.sdw"), "/data/site/");
  EXPECT_EQ(FileNameOf("/data/site/slope.v2.sdw"), "slope.v2.sdw");
  EXPECT_EQ(BaseNameOf("slope.v2.sdw"), "slope.v2");
  EXPECT_EQ(ExtensionOf("slope.v2.sdw"), ".sdw");
  EXPECT_EQ(FolderOf("slope.sdw"), "");
  EXPECT_EQ(FileNameOf("slope.sdw"), "slope.sdw");
  EXPECT_EQ(BaseNameOf("README"), "README");
  EXPECT_EQ(ExtensionOf("README"), "");
}

}  // namespace
}  // namespace selvana
