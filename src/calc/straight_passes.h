// What the two straight-line searches share about their passes: how many there are and where
// their dump files go.
#pragma once

namespace selvana {

// StraightSlipSettings.Passes held to 1..4: a value from a file outside that range would index
// past the four result tables (or run no pass at all).
int StraightPassCount();

// Makes the program folder current before the dump files are deleted or opened: a file dialog
// may have made another folder current since start-up. Without a known program folder (tests)
// the current one serves.
void EnterDumpFolder();

}  // namespace selvana
