// The run of a search benchmark in a scratch folder and the counters it reports.
#include "search_bench.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "calc/results/result_store.h"
#include "calc/results/slip_result.h"
#include "calc/run_data.h"
#include "calc/slicing/polygons.h"
#include "platform/file_lookup.h"

namespace selvana::bench {
namespace {

// A fresh folder under the system's temporary folder made the current directory while it lives;
// the previous directory comes back and the folder goes with everything in it at the end.
class ScratchFolder {
 public:
  ScratchFolder() : previous_(CurrentDirectory()) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "selvana-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) && ChangeDirectory(pattern)) folder_ = pattern;
  }
  ~ScratchFolder() {
    if (folder_.empty()) return;
    ChangeDirectory(previous_);
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  // False when the folder could not be made or entered.
  bool ok() const { return !folder_.empty(); }

 private:
  std::string previous_;
  std::string folder_;
};

// Lines are built at most this often, as the progress window repaints (about 30 a second).
constexpr std::chrono::milliseconds kBenchLinePause{33};

benchmark::Counter PerSecond(long long count) {
  return benchmark::Counter(static_cast<double>(count), benchmark::Counter::kIsRate);
}

}  // namespace

void RunSearchBench(benchmark::State& state, SlopeBuilder buildSlope, SearchBench& search) {
  ScratchFolder scratch;
  if (!scratch.ok()) {
    state.SkipWithError("cannot make or enter a scratch folder under the temporary folder");
    return;
  }
  buildSlope();
  search.Configure();
  ResetCalcRunData();
  BuildBlockPolygons();
  search.Prepare();
  SearchCount total;
  double fmin = 0.0;
  for (auto _ : state) {
    HeadlessProgress progress;
    progress.SetLinePause(kBenchLinePause);
    const SearchCount count = search.RunOnce(progress);
    total.surfaces += count.surfaces;
    total.slices += count.slices;
    fmin = MinSlip.F;
  }
  state.counters[search.SurfaceRateName()] = PerSecond(total.surfaces);
  if (search.CountsSlices()) state.counters["slices/s"] = PerSecond(total.slices);
  state.counters["Fmin"] = fmin;
  ResetResultStoreState();
  search.Clear();
}

}  // namespace selvana::bench
