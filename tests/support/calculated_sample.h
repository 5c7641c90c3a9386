// A sample project read from a copy in the current folder and calculated by the Fellenius
// search, its verdict box answered and its results consolidated as the run command leaves them.
#pragma once
#include <string>

namespace selvana::test {

// Copies <name>.SDW from the samples into the current folder, reads it and runs it; fails the
// test when any step fails.
void CalculateFelleniusSample(const std::string& name);

}  // namespace selvana::test
