// File names and folders: case-insensitive lookup of the files whose extensions the program
// appends (".SDW", ".DXF", ".DAT", ".PAK"), and the current-directory helpers that stand for
// the program folder and the data folder.
#pragma once
#include <string>

namespace selvana {

// The path of the file in folder whose name equals name ignoring ASCII case; folder + "/" +
// name when no such file exists (so a new file gets the name as given). An empty folder means
// the current directory.
std::string FindFileIgnoringCase(const std::string& folder, const std::string& name);

// The same for a whole path: its file name is matched ignoring case within its folder.
std::string FindPathIgnoringCase(const std::string& path);

// True when the path names an existing regular file.
bool FileExists(const std::string& path);

// The current directory with a trailing "/", and changing it; ChangeDirectory reports success.
std::string CurrentDirectory();
bool ChangeDirectory(const std::string& folder);

// Splits a path at its last "/" into folder (with the "/") and file name, and a file name at
// its last "." into base and extension (with the ".").
std::string FolderOf(const std::string& path);
std::string FileNameOf(const std::string& path);
std::string BaseNameOf(const std::string& fileName);
std::string ExtensionOf(const std::string& fileName);

}  // namespace selvana
