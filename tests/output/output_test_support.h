// Helpers of the output tests: golden files (kept as UTF-8 with LF line ends so a person can
// read them, and compared byte for byte after turning them into CP932 with CR LF), and slip
// records put straight into the result tables.
#pragma once
#include <string>

namespace selvana::test {

// The golden file tests/data/output/<name> as the writers must produce it: CP932, CR LF.
std::string GoldenBytes(const std::string& name);

// Compares the written file `file` of the current folder with golden `folder/file`; a mismatch
// writes <golden>.out (UTF-8, LF) beside it for a person to compare.
void ExpectGoldenFile(const std::string& folder, const std::string& file);

// The whole of a written file, in UTF-8 with LF line ends.
std::string ReadOutput(const std::string& file);

// Appends a record to the table of order (1..4).
struct Slip {
  double cx, cy, rr, mrf, mrc, mry, mr, md, f;
};
void AddSlip(int order, const Slip& s);

}  // namespace selvana::test
