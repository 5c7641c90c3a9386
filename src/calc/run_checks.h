// The checks every run entry makes on the settings of its method before it runs: the search
// ranges of the method family and the slice width, each refused with the system's own message.
#pragma once

namespace selvana {

// Checks the settings of method cm.kt, then those of every method; true when the run may go on.
// Circles (0, 1 on FelleniusCircleSettings; 2, 4 on BishopCircleSettings): centre X and Y
// ranges and pitches, radius range and pitch; the first failing check shows its message
// (caption "error") and refuses. Straight lines: method 3 first warns (caption "error", the
// run goes on) about a maximum slip angle below the minimum and a step below 0.001, then
// refuses a slip angle step of 0 or less; method 5 refuses a point spacing of 0 or less.
// After these, the circles and method 3 refuse settings that break their rules in
// calc/search_settings_rules.h.
// Every method refuses a slice width the slice loop could not step by, and a safety factor
// judged at fewer than kMinSafetyFactorDecimals decimals. A method code outside 0..5 passes:
// the run entries refuse it themselves.
bool CheckRunSettings();

}  // namespace selvana
