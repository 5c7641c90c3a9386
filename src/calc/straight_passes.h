// What the two straight-line searches share about their passes: how many there are.
#pragma once

namespace selvana {

// StraightSlipSettings.Passes held to 1..4: a value from a file outside that range would index
// past the four result tables (or run no pass at all).
int StraightPassCount();

}  // namespace selvana
