// Where a project's base name puts its file, and how the file is named in messages.
#pragma once
#include <string>

namespace selvana {

// The path of the project file of base (CP932, maybe with a folder): its name in UTF-8 with
// ".SDW" appended, matched ignoring case against the files of its folder; the upper-case name
// when there is none yet.
std::string ProjectFilePath(const std::string& base);

// The file name for a message (UTF-8): the base name with ".SDW".
std::string ProjectFileShownName(const std::string& base);

}  // namespace selvana
