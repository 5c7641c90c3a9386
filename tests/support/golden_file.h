// Comparing a test's text with a golden file under tests/data: a mismatch fails the test and
// writes the actual text beside the golden as <golden>.out, for a person to compare.
#pragma once
#include <string>

namespace selvana::test {

// Compares text with the golden file tests/data/<name> (e.g. "view/redraw_small_model.txt").
// A mismatch writes <golden>.out beside it for a person to compare; with
// SELVANA_REGENERATE_GOLDENS=1 the golden is rewritten instead (review every rewritten file by
// hand before committing it).
void ExpectGolden(const std::string& actual, const std::string& name);

}  // namespace selvana::test
