// Reading the version text of the program.
#include "forms/version_text.h"

#include "platform/cp932.h"
#include "platform/file_lookup.h"
#include "platform/text_file.h"

namespace selvana {

std::string ReadVersionText(const std::string& programDir) {
  TextFileReader file;
  if (!file.Open(FindFileIgnoringCase(programDir, kVersionFileName))) return kVersionFallback;
  std::string line;
  if (!file.ReadLine(line)) line.clear();  // an empty file shows an empty version
  return ToUtf8(CutCp932(line, kVersionTextBytes));
}

}  // namespace selvana
