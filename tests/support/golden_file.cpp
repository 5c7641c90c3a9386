// The golden-file comparison shared by the tests.
#include "support/golden_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace selvana::test {

void ExpectGolden(const std::string& actual, const std::string& name) {
  const std::string path = std::string(SELVANA_TEST_DATA) + "/" + name;
  const char* regenerate = std::getenv("SELVANA_REGENERATE_GOLDENS");
  if (regenerate && std::string(regenerate) == "1") {
    std::ofstream(path, std::ios::binary) << actual;
    return;
  }
  std::ifstream in(path, std::ios::binary);
  std::stringstream expected;
  expected << in.rdbuf();
  if (actual != expected.str()) {
    std::ofstream(path + ".out", std::ios::binary) << actual;
    ADD_FAILURE() << "differs from " << path << "; see " << path << ".out";
  }
}

}  // namespace selvana::test
