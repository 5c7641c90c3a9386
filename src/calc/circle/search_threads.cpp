// The thread count of the circle searches.
#include "calc/circle/search_threads.h"

#include <atomic>
#include <cstdlib>
#include <thread>

#include "platform/number_parse.h"

namespace selvana {
namespace {

constexpr int kMostThreads = 256;

std::atomic<int> ChosenThreads{0};

int ThreadsFromEnvironment() {
  const char* text = std::getenv("SELVANA_THREADS");
  const int n = text ? ParseInt(text) : 0;
  if (n >= 1 && n <= kMostThreads) return n;
  const unsigned cores = std::thread::hardware_concurrency();
  return cores == 0 ? 1 : static_cast<int>(cores < kMostThreads ? cores : kMostThreads);
}

}  // namespace

int SearchThreadCount() {
  const int chosen = ChosenThreads.load();
  return chosen > 0 ? chosen : ThreadsFromEnvironment();
}

void SetSearchThreadCount(int threads) {
  ChosenThreads.store(threads > 0 && threads <= kMostThreads ? threads : 0);
}

}  // namespace selvana
