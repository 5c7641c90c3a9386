// The fixed-format texts of an accepted slip surface: its dump-file lines and the progress
// lines of the latest surface and the running minimum, one layout per method family.
#pragma once
#include <cstddef>
#include <span>
#include <string_view>

#include "calc/progress/progress.h"
#include "calc/results/dump_file.h"
#include "calc/results/slip_result.h"

namespace selvana {

enum class SlipFamily {
  Circle,               // methods 0 and 1
  BishopCircle,         // methods 2 and 4
  LineFromPoint,        // method 3
  LineBetweenSegments,  // method 5
};

// The friction and cohesion shares of the last Bishop iteration, which the Bishop dump line
// shows in place of the record's mrf and mrc.
struct BishopShares {
  double friction = 0.0;
  double cohesion = 0.0;
};

// Room for the dump lines of one surface, whatever their numbers.
inline constexpr std::size_t kDumpLinesRoom = 4 * 4096;

// The dump lines of r (three or four, by family), each ending CR LF, formatted into out (room
// kDumpLinesRoom; cut short when smaller). Returns the text.
std::string_view FormatDumpLines(SlipFamily family, const SlipResult& r, const BishopShares& shares,
                                 std::span<char> out);

// Writes the dump lines of r when the dump file is open. Formats into a fixed buffer: nothing
// is allocated per surface.
void WriteDumpLines(SlipFamily family, const SlipResult& r, const BishopShares& shares,
                    AnswerDumpFile& dump);

// Sets progress lines 4 (the surface r) to 7 (the running minimum m) and repaints, when
// progress.LinesDue(); otherwise builds no text and keeps r as the surface not yet shown.
void ShowStoredSurface(SlipFamily family, const SlipResult& r, const MinSlipRecord& m,
                       CalcProgress& progress);

// Shows the surface kept by ShowStoredSurface, with MinSlip, when there is one; the walks call
// this when the lines are due between surfaces and at the end of each order, so the window
// never keeps an old minimum after the last stored surface.
void ShowUnshownSurface(CalcProgress& progress);

}  // namespace selvana
