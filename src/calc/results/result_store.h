// The result stores: each accepted slip surface goes into the table of its grid order or pass,
// onto the order's dump file and into the progress window, and may become the running minimum.
// One store per method family; the searches call the store of theirs.
#pragma once
#include <string>
#include <string_view>

#include "calc/progress/progress.h"
#include "calc/results/dump_file.h"
#include "calc/results/result_store_lines.h"

namespace selvana {

// Each store takes CurrentSlipResult for order (1..4) and counts it in SurfaceTally. It is
// accepted only when f <= cm.MaxSafetyFactor and both ends were found (sx >= -999999.0,
// ex <= 999999.0); a refused surface changes nothing else and returns 0.
// On acceptance: CalcStatus := 1; the record is appended
// to SlipResultTable[order - 1]; its dump lines are written to AnswerDump when it is open; a
// strictly smaller f becomes MinSlip (the earlier of equal surfaces stays), with SlopeDirection;
// progress lines 4 to 7 are set and repainted; returns 0.
// A full table (kMaxSlipResults) is never written past: the surface is counted in
// SlipResultOverflow and not appended, except that a new running minimum overwrites the last
// record, so the table always holds the best surface of the order. Dump file, minimum and
// progress go on as usual.
// An order outside 1..4 stores nothing: StoreCircleResult returns -1; the others return 1 for
// order 0 and -1 for any other.
// The circle stores take the dump lines already formatted (FormatDumpLines) when dumpLines is
// not empty.
int StoreCircleResult(int order, CalcProgress& progress, std::string_view dumpLines = {});
// The Bishop store writes the shares of the last iteration into its dump line.
int StoreCircleResultBishop(int order, const BishopShares& shares, CalcProgress& progress,
                            std::string_view dumpLines = {});
// Method 3; rr is the slip angle.
int StoreLineResult(int order, CalcProgress& progress);
// Method 5; the minimum also keeps the end point (dx, dy).
int StoreLineResult2(int order, CalcProgress& progress);

// True when a store accepts r (see above).
bool SurfaceAccepted(const SlipResult& r);

// The start of every search: the four result tables and SurfaceTally emptied and the four dump
// files removed from the program folder, which is left current.
void StartSearchResults();

// True when some surface could not be appended to a full table in this run.
bool SlipResultsOverflowed();
// The user's note about it (UTF-8), naming the orders whose tables were full; the verdict of
// a run with results carries it.
std::string SlipResultOverflowMessage();

// The state of the result records and stores back to its start (ResetSlipResultState, and
// AnswerDump closed).
void ResetResultStoreState();

}  // namespace selvana
