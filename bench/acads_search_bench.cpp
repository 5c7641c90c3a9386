// Speed of the whole circle search on the ACADS 1(a) slope, Fellenius (method 0) and simplified
// Bishop (method 2), on one thread and on every core. The circles and slices of one search are
// counted by an untimed one-thread search with counting mechanics; the timed searches are
// the program's own.
#include "calc/circle/bishop_search.h"
#include "calc/circle/bishop_slices.h"
#include "calc/circle/bishop_totals.h"
#include "calc/circle/fellenius_search.h"
#include "calc/circle/search_threads.h"
#include "circle_bench.h"

namespace selvana::bench {
namespace {

// threads 0: every core.
template <class Method>
class AcadsBench : public SearchBench {
 public:
  AcadsBench(int kt, CircleSearchSettings& settings, int threads)
      : kt_(kt), settings_(settings), threads_(threads) {}
  const char* SurfaceRateName() const override { return "circles/s"; }
  bool CountsSlices() const override { return true; }
  void Configure() override {
    cm.kt = kt_;
    SetAcadsCircleGrid(settings_);
    BishopSlices.SetRoom(BishopSliceRoom());
  }
  void Prepare() override {
    SetSearchThreadCount(1);
    HeadlessProgress progress;
    CountingCircleMethod<Method> counting(progress);
    SearchCircles(settings_, counting, progress);
    count_ = counting.count();
  }
  SearchCount RunOnce(HeadlessProgress& progress) override {
    SetSearchThreadCount(threads_);
    Method method(progress);
    SearchCircles(settings_, method, progress);
    SetSearchThreadCount(0);
    return count_;
  }
  void Clear() override { ResetBishopState(); }

 private:
  int kt_;
  CircleSearchSettings& settings_;
  int threads_;
  SearchCount count_;
};

void BM_AcadsFellenius(benchmark::State& state) {
  AcadsBench<FelleniusCircleMethod> search(kMethodFellenius, FelleniusCircleSettings,
                                           static_cast<int>(state.range(0)));
  RunSearchBench(state, BuildAcadsSlope, search);
}

void BM_AcadsBishop(benchmark::State& state) {
  AcadsBench<BishopCircleMethod> search(kMethodBishop, BishopCircleSettings,
                                        static_cast<int>(state.range(0)));
  RunSearchBench(state, BuildAcadsSlope, search);
}

// Argument: threads (1, or 0 for every core). Rates per second of wall time.
BENCHMARK(BM_AcadsFellenius)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(0)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AcadsBishop)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(0)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace selvana::bench
