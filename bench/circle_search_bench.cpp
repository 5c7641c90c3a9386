// Speed of the whole Fellenius circle search (method 0) on the homogeneous slope and on the
// layered slope with a pond and loads, over the shared grid of 21 x 21 centres and 21 radii.
#include "calc/circle/fellenius_search.h"
#include "circle_bench.h"

namespace selvana::bench {
namespace {

void BM_Fellenius(benchmark::State& state, SlopeBuilder slope) {
  CircleSearchBench<FelleniusCircleMethod> search(kMethodFellenius, FelleniusCircleSettings);
  RunSearchBench(state, slope, search);
}

BENCHMARK_CAPTURE(BM_Fellenius, HomogeneousSlope, BuildHomogeneousSlope)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Fellenius, LayeredSlopeWithWaterAndLoads, BuildLayeredSlope)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace selvana::bench
