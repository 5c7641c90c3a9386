// The version text of the version box: the first line of "SYSVER.DAT", which comes with the
// program into its folder.
#pragma once
#include <string>

namespace selvana {

inline constexpr char kVersionFileName[] = "SYSVER.DAT";
// What the box shows when the file cannot be read.
inline constexpr char kVersionFallback[] = "(Version 99.99.99)";
// The most bytes of the line that are shown.
inline constexpr std::size_t kVersionTextBytes = 63;

// The first line of the version file in programDir (name matched ignoring case), at most 63
// bytes cut on a character boundary, without its line end, converted to UTF-8; the fallback
// text when the file is missing or unreadable.
std::string ReadVersionText(const std::string& programDir);

}  // namespace selvana
