// Golden files and result records for the output tests.
#include "output/output_test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "calc/results/slip_result.h"
#include "platform/cp932.h"

namespace selvana::test {
namespace {

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

std::string GoldenPath(const std::string& name) {
  return std::string(SELVANA_TEST_DATA) + "/output/" + name;
}

}  // namespace

std::string GoldenBytes(const std::string& name) {
  return Replace(ToCp932(ReadBytes(GoldenPath(name))), "\n", "\r\n");
}

std::string ReadOutput(const std::string& file) {
  return Replace(ToUtf8(ReadBytes(file)), "\r\n", "\n");
}

void ExpectGoldenFile(const std::string& folder, const std::string& file) {
  const std::string name = folder + "/" + file;
  if (ReadBytes(file) == GoldenBytes(name)) return;
  std::ofstream(GoldenPath(name) + ".out", std::ios::binary) << ReadOutput(file);
  ADD_FAILURE() << file << " differs from " << GoldenPath(name) << "; see the .out beside it";
}

void AddSlip(int order, const Slip& s) {
  SlipResult& r = SlipResultTable[order - 1][SlipResultCount[order - 1]++];
  r = SlipResult{};
  r.order = order;
  r.cx = s.cx;
  r.cy = s.cy;
  r.rr = s.rr;
  r.mrf = s.mrf;
  r.mrc = s.mrc;
  r.mry = s.mry;
  r.mr = s.mr;
  r.md = s.md;
  r.f = s.f;
}

}  // namespace selvana::test
