// Project file names: base name plus ".SDW", found ignoring case.
#include "model/project_file_names.h"

#include "platform/cp932.h"
#include "platform/file_lookup.h"

namespace selvana {

namespace {
constexpr const char* kExtension = ".SDW";
}  // namespace

std::string ProjectFilePath(const std::string& base) {
  return FindPathIgnoringCase(ToUtf8(base) + kExtension);
}

std::string ProjectFileShownName(const std::string& base) { return ToUtf8(base) + kExtension; }

}  // namespace selvana
