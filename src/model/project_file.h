// Saving and opening projects: the project file (*.SDW), its writer, the full reader and the
// three partial readers that take conditions, blocks or terrain from another project file.
#pragma once
#include <cstddef>
#include <string>

namespace selvana {

// Results of the readers.
inline constexpr int kReadOk = 0;
inline constexpr int kReadCannotOpen = 1;   // after a message box captioned "error"
inline constexpr int kReadBadVersion = -1;  // version outside 2000..2240, model unchanged
// Results of the writer.
inline constexpr int kWriteOk = 0;
inline constexpr int kWriteFailed = 1;  // after a message box captioned "error"

// Every function takes the project's base name (no extension) as the model holds it: CP932
// bytes, like ProjectFileName. It may carry a folder ("/"-separated); without one the file is
// in the current directory. The file on disk is the base name in UTF-8 with ".SDW" appended,
// found ignoring case ("x.sdw" serves for "x"); a new file gets ".SDW".

// Writes the model as a version-2240 file. The file is written under a temporary name in the
// same folder and renamed over the old one only when every byte was written, so a failed save
// leaves the previous file as it was. On success ProjectFileName := base and DataModified := 0;
// on failure a message box captioned "error" and nothing in the model changes. CalcStatus is
// not touched.
int WriteProjectFile(const std::string& base);

// Reads a whole project (versions 2000..2240) over the current model: every record the file
// carries is first put to a new project's values and then read, older versions get fixed
// defaults for what they lack. Sets ProjectFileName := base, CalcStatus := 0, the mouse mode
// to idle and DataModified := 0 (1 when the file had to be repaired: truncated, beyond a
// table's capacity, with bad point references, or with a number that does not scan or lies
// beyond the range of its field, which keeps the new project's value; each repair is told to the
// user once in a box captioned "error", a number with the line number and heading of the first
// such line). A point, line or block list that a truncated file ends before is left empty, by
// every reader that takes it.
int ReadProjectFile(const std::string& base);

// Partial readers: each stores only its part of the file into the current model and sets
// DataModified := 1, CalcStatus := 0 and the mouse mode to idle. A number that does not scan
// is told as by the full reader; outside the lists its field keeps the current value.
// Title, conditions, search settings, sheet pile, partial factors and drawing settings.
int ReadProjectConditions(const std::string& base);
// The block list.
int ReadProjectBlocks(const std::string& base);
// The point and line lists.
int ReadProjectTerrain(const std::string& base);

// Cuts text at its first line feed and to at most size-1 bytes on a CP932 character boundary
// (a lead byte left at the end without its second byte goes too). Returns 0.
int StripNewlines(std::string& text, std::size_t size);

}  // namespace selvana
