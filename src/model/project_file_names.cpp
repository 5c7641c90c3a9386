// Project file names: base name plus ".SDW", found ignoring case.
#include "model/project_file_names.h"

#include "platform/cp932.h"
#include "platform/file_lookup.h"

namespace selvana {

namespace {
constexpr const char* kExtension = ".SDW";
}  // namespace

std::string ProjectFilePath(const std::string& base) {
  const std::string path = ToUtf8(base) + kExtension;
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return FindFileIgnoringCase("", path);
  return FindFileIgnoringCase(path.substr(0, slash + 1), path.substr(slash + 1));
}

std::string ProjectFileShownName(const std::string& base) { return ToUtf8(base) + kExtension; }

}  // namespace selvana
