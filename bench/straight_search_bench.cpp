// Speed of the two straight-line searches on the homogeneous slope and on the layered slope with
// a pond and loads: method 3 over 1101 slip angles from the toe, method 5 over 41 x 41 pairs of
// points, one pass each. Slices are not counted: the straight walk has no hook for them.
#include "bench_slopes.h"
#include "calc/straight/angle_search.h"
#include "calc/straight/endpoint_search.h"
#include "search_bench.h"

namespace selvana::bench {
namespace {

// Method 3: from the toe, up to the right (an upper-limit point far up-right sets the sense)
// over 5..60 degrees at 0.05.
void SetAngles() {
  cm.kt = kMethodLineFromPoint;
  const int limit = AddPoint(1000, 10000);
  LineTable[LineCount++] = {kLineLargeArcLimitPoint, limit, limit, 1};
  StraightSlipSettings.PointX[0] = 10.0;
  StraightSlipSettings.PointY[0] = 0.0;
  StraightSlipSettings.Range = {5.0, 60.0, 0.05, 0.0};
  StraightSlipSettings.Side = 1;
  StraightSlipSettings.Passes = 1;
}

// Method 5: from 41 points on (0, 0)-(10, 0) to 41 points on (35, 10)-(55, 10).
void SetSegments() {
  cm.kt = kMethodLineBetweenSegments;
  StraightSlipSettings.PointX = {0.0, 10.0, 35.0, 55.0};
  StraightSlipSettings.PointY = {0.0, 0.0, 10.0, 10.0};
  StraightSlipSettings.Range = {0.25, 0.5, 0.0, 0.0};
  StraightSlipSettings.Passes = 1;
}

// One straight-line search with its settings; the search polls once per line, so the polls
// count the lines.
class StraightBench : public SearchBench {
 public:
  StraightBench(void (*settings)(), int (*search)(CalcProgress&))
      : settings_(settings), search_(search) {}
  const char* SurfaceRateName() const override { return "lines/s"; }
  bool CountsSlices() const override { return false; }
  void Configure() override { settings_(); }
  SearchCount RunOnce(HeadlessProgress& progress) override {
    search_(progress);
    return {progress.polls(), 0};
  }

 private:
  void (*settings_)();
  int (*search_)(CalcProgress&);
};

void BM_Method3(benchmark::State& state, SlopeBuilder slope) {
  StraightBench search(SetAngles, SearchSlipLinesByAngle);
  RunSearchBench(state, slope, search);
}

void BM_Method5(benchmark::State& state, SlopeBuilder slope) {
  StraightBench search(SetSegments, SearchSlipLinesByEndpoints);
  RunSearchBench(state, slope, search);
}

BENCHMARK_CAPTURE(BM_Method3, HomogeneousSlope, BuildHomogeneousSlope)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Method3, LayeredSlopeWithWaterAndLoads, BuildLayeredSlope)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Method5, HomogeneousSlope, BuildHomogeneousSlope)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Method5, LayeredSlopeWithWaterAndLoads, BuildLayeredSlope)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace selvana::bench
