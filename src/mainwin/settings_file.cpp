// Reading and writing the settings file.
#include "mainwin/settings_file.h"

#include <array>
#include <cctype>
#include <charconv>
#include <string_view>
#include <vector>

#include "mainwin/form_sizes.h"
#include "mainwin/recent_files.h"
#include "platform/cp932.h"
#include "platform/file_lookup.h"
#include "platform/message_box.h"
#include "platform/number_format.h"
#include "platform/program_folders.h"
#include "platform/text_file.h"

namespace selvana {
namespace {

constexpr int kFirstRecentLine = 1;
constexpr int kFirstSizeLine = kFirstRecentLine + kRecentFileCount;

// A path as the file carries it (CP932) back to the file-system text (UTF-8).
std::string DecodePath(std::string_view line) {
  return ToUtf8(CutCp932(line, kMaxSettingsPathBytes));
}

std::string EncodePath(const std::string& path) {
  TextConversion converted = Utf8ToCp932(path);
  if (converted.replaced > 0) return std::string();
  return CutCp932(converted.text, kMaxSettingsPathBytes);
}

// The folder above folder ("/a/b/" gives "/a/"); empty when there is none.
std::string ParentFolder(std::string folder) {
  while (!folder.empty() && folder.back() == '/') folder.pop_back();
  return FolderOf(folder);
}

// The data folder as the file carries it: a folder the file cannot hold would come back empty
// or cut to another folder, so the nearest folder above it that the file can hold is kept.
std::string EncodeDataFolder(std::string folder) {
  while (!folder.empty() && !SettingsFileCanHold(folder)) folder = ParentFolder(folder);
  return EncodePath(folder);
}

// The next integer of text as "%d" reads it: blanks, an optional sign, digits. Advances text.
bool ReadInt(std::string_view& text, int& value) {
  std::size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  if (i < text.size() && text[i] == '+') ++i;
  const char* begin = text.data() + i;
  const char* end = text.data() + text.size();
  auto [next, error] = std::from_chars(begin, end, value);
  if (error != std::errc()) return false;
  text.remove_prefix(static_cast<std::size_t>(next - text.data()));
  return true;
}

// A size line: four whole numbers, or the slot is left as it is.
void ParseSizeLine(std::string_view line, FormSize& slot) {
  std::array<int, 4> v{};
  for (int& field : v) {
    if (!ReadInt(line, field)) return;
  }
  slot = FormSize{v[0], v[1], v[2], v[3]};
}

std::vector<std::string> ReadLines(TextFileReader& file) {
  std::vector<std::string> lines;
  std::string line;
  while (static_cast<int>(lines.size()) < kSettingsLineCount && file.ReadLine(line)) {
    lines.push_back(line);
  }
  return lines;
}

}  // namespace

bool SettingsFileCanHold(const std::string& path) {
  return CanHoldInCp932(path) && Utf8ToCp932(path).text.size() <= kMaxSettingsPathBytes;
}

int ReadSettingsFile(const std::string& path) {
  ResetFormSizes();
  TextFileReader file;
  if (!file.Open(path)) {
    // A missing file is the first start; one that is there but cannot be read is told.
    if (file.Failure() == OpenFailure::kCannotRead) {
      ShowMessage(OpenFailureMessage("設定ファイル", path, file.Failure()), "error");
    }
    return 1;
  }
  const std::vector<std::string> lines = ReadLines(file);
  file.Close();
  const int count = static_cast<int>(lines.size());
  if (count > 0) DataDir = DecodePath(lines[0]);
  for (int i = 0; i < kRecentFileCount; ++i) {
    const int line = kFirstRecentLine + i;
    RecentFiles[i] = line < count ? DecodePath(lines[line]) : std::string();
  }
  for (int k = 0; k < kFormSizeCount && kFirstSizeLine + k < count; ++k) {
    ParseSizeLine(lines[kFirstSizeLine + k], FormSizes[k]);
  }
  AddRecentFile(std::string());
  return 0;
}

bool WriteSettingsFile(const std::string& path) {
  TextFileWriter file;
  if (!file.Open(path)) return false;
  file.WriteLine(EncodeDataFolder(DataDir));
  for (const std::string& recent : RecentFiles) file.WriteLine(EncodePath(recent));
  for (const FormSize& s : FormSizes) {
    file.WriteLine(StrFormat("%d %d %d %d", s.Width, s.Height, s.Left, s.Top));
  }
  return file.Close();
}

void ResetMainWindowSettings() {
  ProgramDir.clear();
  DataDir.clear();
  ClearRecentFiles();
  FormSizes.fill(FormSize{});
  ResetFormSizes();
}

}  // namespace selvana
