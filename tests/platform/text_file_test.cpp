// Text files: CR LF written at every line end, failures reported at close, and lines of any
// length read back without their CR LF or LF.
#include "platform/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace selvana {
namespace {

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<std::string> ReadLines(const std::string& path) {
  TextFileReader reader;
  EXPECT_TRUE(reader.Open(path));
  std::vector<std::string> lines;
  std::string line;
  while (reader.ReadLine(line)) lines.push_back(line);
  return lines;
}

TEST(TextFileWriter, EndsEveryLineWithCrLf) {
  test::TempFolder folder;
  TextFileWriter writer;
  ASSERT_TRUE(writer.Open(folder / "out.txt"));
  writer.WriteLine("first");
  writer.Write("second ");
  writer.WriteLine("part");
  writer.WriteLine("");
  EXPECT_TRUE(writer.Close());
  EXPECT_EQ(ReadBytes(folder / "out.txt"), "first\r\nsecond part\r\n\r\n");
}

TEST(TextFileWriter, ReplacesAnExistingFile) {
  test::TempFolder folder;
  WriteBytes(folder / "out.txt", "old contents that are longer");
  TextFileWriter writer;
  ASSERT_TRUE(writer.Open(folder / "out.txt"));
  writer.WriteLine("new");
  EXPECT_TRUE(writer.Close());
  EXPECT_EQ(ReadBytes(folder / "out.txt"), "new\r\n");
}

// Files many times the write buffer, one writer opened again for a second file (its buffer
// serves the next file) and one left for the destructor to close: every byte arrives.
TEST(TextFileWriter, WritesFilesLargerThanItsBufferWhole) {
  test::TempFolder folder;
  std::string line(1000, 'x');
  std::string expected;
  for (int i = 0; i < 300; ++i) expected += line + "\r\n";
  {
    TextFileWriter writer;
    for (const char* name : {"a.txt", "b.txt"}) {
      ASSERT_TRUE(writer.Open(folder / name));
      for (int i = 0; i < 300; ++i) writer.WriteLine(line);
    }
    EXPECT_TRUE(writer.Close());
    ASSERT_TRUE(writer.Open(folder / "c.txt"));
    for (int i = 0; i < 300; ++i) writer.WriteLine(line);
  }
  for (const char* name : {"a.txt", "b.txt", "c.txt"}) {
    EXPECT_EQ(ReadBytes(folder / name), expected) << name;
  }
}

TEST(TextFileWriter, ReportsAFileThatCannotBeCreated) {
  test::TempFolder folder;
  TextFileWriter writer;
  EXPECT_FALSE(writer.Open(folder / "no-such-folder/out.txt"));
  writer.WriteLine("lost");
  EXPECT_FALSE(writer.Close());
}

TEST(TextFileWriter, ReportsAWriteThatFailsAsFailureAtClose) {
  // The full device accepts the open and fails the flush of the buffered bytes.
  TextFileWriter writer;
  if (!writer.Open("/dev/full")) GTEST_SKIP() << "no /dev/full on this system";
  writer.WriteLine(std::string(100000, 'x'));
  EXPECT_FALSE(writer.Close());
}

TEST(TextFileReader, ReadsLfAndCrLfLinesWithoutTheirEnds) {
  test::TempFolder folder;
  WriteBytes(folder / "in.txt", "one\r\ntwo\nthree\r\n\r\nlast without end");
  EXPECT_EQ(ReadLines(folder / "in.txt"),
            (std::vector<std::string>{"one", "two", "three", "", "last without end"}));
}

TEST(TextFileReader, TakesEveryUsualLineEndAsOne) {
  // CR LF (the system's own), LF, a lone CR, and CR CR LF (a CR LF file written once more in
  // text mode) each end one line; no CR is left in a line.
  const struct {
    const char* bytes;
    std::vector<std::string> lines;
  } cases[] = {
      {"a\r\nb\r\n", {"a", "b"}},     {"a\nb", {"a", "b"}},       {"a\rb\r", {"a", "b"}},
      {"a\r\r\nb\r\r\n", {"a", "b"}}, {"a\r\rb", {"a", "", "b"}}, {"a\n\rb", {"a", "", "b"}},
      {"\r\n\r\n", {"", ""}},         {"a\r\r", {"a", ""}},
  };
  test::TempFolder folder;
  for (const auto& c : cases) {
    WriteBytes(folder / "in.txt", c.bytes);
    EXPECT_EQ(ReadLines(folder / "in.txt"), c.lines) << testing::PrintToString(c.bytes);
  }
}

TEST(TextFileReader, ReadsALineLongerThanAnyBufferWhole) {
  test::TempFolder folder;
  std::string longLine(200000, 'q');
  longLine[123456] = '\x82';  // a CP932 byte in the middle survives too
  WriteBytes(folder / "in.txt", longLine + "\r\nnext\n");
  EXPECT_EQ(ReadLines(folder / "in.txt"), (std::vector<std::string>{longLine, "next"}));
}

TEST(TextFileReader, ReportsTheEndOfAnEmptyOrMissingFile) {
  test::TempFolder folder;
  WriteBytes(folder / "empty.txt", "");
  EXPECT_TRUE(ReadLines(folder / "empty.txt").empty());
  TextFileReader reader;
  EXPECT_FALSE(reader.Open(folder / "missing.txt"));
  std::string line = "stale";
  EXPECT_FALSE(reader.ReadLine(line));
  EXPECT_EQ(line, "");
}

TEST(TextFileReader, OpensOnlyRegularFiles) {
  test::TempFolder folder;
  std::filesystem::create_directory(folder / "folder.txt");
  WriteBytes(folder / "file.txt", "x");
  TextFileReader reader;
  for (const std::string& path : {folder / "folder.txt", folder / "missing.txt",
                                  folder / "file.txt/below", std::string("/dev/null")}) {
    EXPECT_FALSE(reader.Open(path)) << path;
    EXPECT_EQ(reader.Failure(), OpenFailure::kNotFound) << path;
  }
  EXPECT_TRUE(reader.Open(folder / "file.txt"));
  EXPECT_EQ(reader.Failure(), OpenFailure::kNone);
}

}  // namespace
}  // namespace selvana
