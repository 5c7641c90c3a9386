// The settings file "DROVIK.ini" in the program folder: 38 lines of CP932 text with CR LF ends
// carrying the data folder, the five recent files (newest first) and the 32 window-size slots
// ("%d %d %d %d": width, height, left, top) from one run to the next.
#pragma once
#include <cstddef>
#include <string>

namespace selvana {

inline constexpr char kSettingsFileName[] = "DROVIK.ini";
inline constexpr int kSettingsLineCount = 38;
// The longest folder or path a line carries, in CP932 bytes; longer lines are cut on a
// character boundary.
inline constexpr std::size_t kMaxSettingsPathBytes = 511;

// True when the settings file gives path back unchanged: CP932 holds every character of it and
// its CP932 form is not longer than a line carries.
bool SettingsFileCanHold(const std::string& path);

// Reads the settings file at path into DataDir, RecentFiles and FormSizes, then refreshes the
// recent-file menu. The window sizes are reset to their defaults first, so a short or damaged
// file gives the defaults for whatever it lacks: a missing first line leaves DataDir as it was,
// missing recent-file lines give empty slots, a size line that does not hold four whole numbers
// leaves that slot at its default. Returns 0 when the file was read, 1 when it could not be
// opened (then only the window sizes change, to their defaults); a file that is there but cannot
// be read is told in a message box captioned "error", a missing one is not.
int ReadSettingsFile(const std::string& path);

// Writes the settings file at path, replacing an old one. A data folder the file cannot hold
// (see SettingsFileCanHold) is written as the nearest folder above it that it can; a recent
// file that CP932 cannot represent (none enters the list, see AddRecentFile) would be an empty
// line. Returns false when
// the file could not be written completely.
bool WriteSettingsFile(const std::string& path);

// Puts the program folders, recent files and window sizes back to their state before start-up
// (empty folders and recent files, default sizes, the unlisted slots zero).
void ResetMainWindowSettings();

}  // namespace selvana
