// The title line of the project file: one line of at most 255 CP932 bytes.
#include "model/project_file.h"
#include "platform/cp932.h"

namespace selvana {

int StripNewlines(std::string& text, std::size_t size) {
  if (size == 0) {
    text.clear();
    return 0;
  }
  const auto lf = text.find('\n');
  if (lf != std::string::npos) text.erase(lf);
  text = CutCp932(text, size - 1);
  return 0;
}

}  // namespace selvana
