// A fresh, uniquely named folder under the system's temporary folder for one test, removed with
// everything in it afterwards, with helpers to name, write and read whole files in it; and a
// guard that keeps the current directory across a test that changes it.
#pragma once
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/file_lookup.h"

namespace selvana::test {

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "selvana-XXXXXX").string();
    if (mkdtemp(pattern.data())) path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder without, and with, a trailing "/".
  const std::string& path() const { return path_; }
  std::string Dir() const { return path_ + "/"; }
  // The path of a file in the folder.
  std::string File(const std::string& name) const { return path_ + "/" + name; }
  std::string operator/(const std::string& name) const { return File(name); }

  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(File(name), std::ios::binary) << bytes;
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(File(name), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  bool Has(const std::string& name) const { return std::filesystem::exists(File(name)); }

 private:
  std::string path_;
};

// Keeps the process's current directory across a test that changes it.
class KeepCurrentDirectory {
 public:
  KeepCurrentDirectory() : saved_(CurrentDirectory()) {}
  ~KeepCurrentDirectory() { ChangeDirectory(saved_); }

 private:
  std::string saved_;
};

}  // namespace selvana::test
