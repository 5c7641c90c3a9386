// File names and folders on a case-sensitive file system: finding a file whatever the case of
// its name, the current directory, and splitting paths.
#include "platform/file_lookup.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace selvana {
namespace {

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringAsciiCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  if (folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

}  // namespace

std::string FindFileIgnoringCase(const std::string& folder, const std::string& name) {
  const std::string exact = JoinPath(folder, name);
  if (FileExists(exact)) return exact;
  DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return exact;
  // Of several names that differ only in case, the smallest byte order wins, so the choice
  // does not depend on the order in which the directory lists them.
  std::string best;
  while (const dirent* entry = readdir(dir)) {
    const std::string candidate = entry->d_name;
    if (!EqualIgnoringAsciiCase(candidate, name)) continue;
    if (!FileExists(JoinPath(folder, candidate))) continue;
    if (best.empty() || candidate < best) best = candidate;
  }
  closedir(dir);
  return best.empty() ? exact : JoinPath(folder, best);
}

bool FileExists(const std::string& path) {
  struct stat info {};
  return !path.empty() && stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string CurrentDirectory() {
  std::vector<char> buffer(256);
  while (getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE || buffer.size() > (1u << 20)) return "./";
    buffer.resize(buffer.size() * 2);
  }
  std::string folder = buffer.data();
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

bool ChangeDirectory(const std::string& folder) {
  return !folder.empty() && chdir(folder.c_str()) == 0;
}

std::string FindPathIgnoringCase(const std::string& path) {
  return FindFileIgnoringCase(FolderOf(path), FileNameOf(path));
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string FileNameOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string BaseNameOf(const std::string& fileName) {
  const std::size_t dot = fileName.rfind('.');
  return dot == std::string::npos ? fileName : fileName.substr(0, dot);
}

std::string ExtensionOf(const std::string& fileName) {
  const std::size_t dot = fileName.rfind('.');
  return dot == std::string::npos ? std::string() : fileName.substr(dot);
}

}  // namespace selvana
