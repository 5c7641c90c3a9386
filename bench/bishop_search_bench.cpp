// Speed of the whole Bishop circle search, simplified (method 2) and modified (method 4), on the
// homogeneous slope and on the layered slope with a pond and loads, over the shared grid.
#include "calc/circle/bishop_search.h"
#include "calc/circle/bishop_slices.h"
#include "calc/circle/bishop_totals.h"
#include "circle_bench.h"

namespace selvana::bench {
namespace {

// The Bishop search also needs room for its slice records, made once before the timed searches.
class BishopBench : public CircleSearchBench<BishopCircleMethod> {
 public:
  explicit BishopBench(int kt) : CircleSearchBench(kt, BishopCircleSettings) {}
  void Configure() override {
    CircleSearchBench::Configure();
    BishopSlices.SetRoom(BishopSliceRoom());
  }
  void Clear() override { ResetBishopState(); }
};

void RunBishop(benchmark::State& state, int kt, SlopeBuilder slope) {
  BishopBench search(kt);
  RunSearchBench(state, slope, search);
}

void BM_Bishop(benchmark::State& state, SlopeBuilder slope) {
  RunBishop(state, kMethodBishop, slope);
}
void BM_ModifiedBishop(benchmark::State& state, SlopeBuilder slope) {
  RunBishop(state, kMethodModifiedBishop, slope);
}

BENCHMARK_CAPTURE(BM_Bishop, HomogeneousSlope, BuildHomogeneousSlope)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Bishop, LayeredSlopeWithWaterAndLoads, BuildLayeredSlope)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ModifiedBishop, HomogeneousSlope, BuildHomogeneousSlope)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ModifiedBishop, LayeredSlopeWithWaterAndLoads, BuildLayeredSlope)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace selvana::bench
