// The thread count of the circle searches: SELVANA_THREADS when it holds a usable number, the
// cores otherwise, and a number set by the program before either.
#include "calc/circle/search_threads.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <thread>

namespace selvana {
namespace {

int Cores() {
  const unsigned n = std::thread::hardware_concurrency();
  return n == 0 ? 1 : static_cast<int>(n < 256 ? n : 256);
}

TEST(SearchThreads, EnvironmentSetNumberAndTheirLimits) {
  struct Case {
    const char* environment;  // nullptr: unset
    int set;                  // given to SetSearchThreadCount
    int expected;             // 0: the cores
  };
  const Case cases[] = {
      {nullptr, 0, 0}, {"1", 0, 1},     {"6", 0, 6},  {" 3", 0, 3},   {"256", 0, 256},
      {"257", 0, 0},   {"0", 0, 0},     {"-2", 0, 0}, {"many", 0, 0}, {"", 0, 0},
      {"5", 2, 2},     {nullptr, 7, 7}, {"5", -1, 5}, {"5", 300, 5},
  };
  const char* given = std::getenv("SELVANA_THREADS");
  const bool wasSet = given != nullptr;
  const std::string before = wasSet ? given : "";
  for (const Case& c : cases) {
    if (c.environment) {
      setenv("SELVANA_THREADS", c.environment, 1);
    } else {
      unsetenv("SELVANA_THREADS");
    }
    SetSearchThreadCount(c.set);
    const int expected = c.expected == 0 ? Cores() : c.expected;
    EXPECT_EQ(expected, SearchThreadCount())
        << (c.environment ? c.environment : "(unset)") << " set " << c.set;
  }
  SetSearchThreadCount(0);
  if (wasSet) {
    setenv("SELVANA_THREADS", before.c_str(), 1);
  } else {
    unsetenv("SELVANA_THREADS");
  }
}

}  // namespace
}  // namespace selvana
