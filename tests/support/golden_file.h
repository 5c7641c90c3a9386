// Comparing a test's text with a golden file under tests/data: a mismatch fails the test and
// writes the actual text beside the golden as <golden>.out, for a person to compare.
#pragma once
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace selvana::test {

// name is the golden's path below tests/data, e.g. "view/redraw_small_model.txt".
inline void ExpectGolden(const std::string& actual, const std::string& name) {
  const std::string path = std::string(SELVANA_TEST_DATA) + "/" + name;
  std::ifstream in(path, std::ios::binary);
  std::stringstream expected;
  expected << in.rdbuf();
  if (actual != expected.str()) {
    std::ofstream(path + ".out", std::ios::binary) << actual;
    ADD_FAILURE() << "differs from " << path << "; see " << path << ".out";
  }
}

}  // namespace selvana::test
