// The scratch folder, the input file and the quiet message box of the fuzz targets.
#include "fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/message_box.h"

namespace selvana::fuzz {
namespace {

// Answers every box as a cautious user would (OK, No, Cancel), silently: the readers tell the
// user about every damaged file, and the fuzzer shows them millions.
class QuietMessageBox : public MessageBox {
 public:
  MsgAnswer Show(const std::string&, const std::string&, MsgButtons buttons, MsgIcon) override {
    switch (buttons) {
      case MsgButtons::YesNo: return MsgAnswer::No;
      case MsgButtons::YesNoCancel: return MsgAnswer::Cancel;
      default: return MsgAnswer::Ok;
    }
  }
};

std::string scratchFolder;

void RemoveScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(scratchFolder, ignored);
}

void EnterScratchFolder() {
  if (!scratchFolder.empty()) return;
  std::string pattern = (std::filesystem::temp_directory_path() / "selvana-fuzz-XXXXXX").string();
  if (!mkdtemp(pattern.data()) || chdir(pattern.c_str()) != 0) {
    std::perror("selvana fuzz: no scratch folder");
    std::abort();
  }
  scratchFolder = pattern;
  std::atexit(RemoveScratchFolder);
  static QuietMessageBox quiet;
  InstallMessageBox(&quiet);
}

}  // namespace

std::string PrepareInput(const std::string& name, const std::uint8_t* data, std::size_t size) {
  EnterScratchFolder();
  std::FILE* file = std::fopen(name.c_str(), "wb");
  if (!file || (size > 0 && std::fwrite(data, 1, size, file) != size) || std::fclose(file) != 0) {
    std::perror("selvana fuzz: cannot write the input");
    std::abort();
  }
  return std::filesystem::current_path() / name;
}

std::string FileContents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "selvana fuzz: %s\n", what);
  std::abort();
}

}  // namespace selvana::fuzz
