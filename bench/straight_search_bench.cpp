// Speed of the two straight-line searches on a homogeneous slope and on a layered slope with a
// pond, a surcharge, a horizontal force and an earthquake: method 3 over 1101 slip angles from
// the toe, method 5 over 41 x 41 pairs of points, one pass each with 0.1 m slices. Reports
// lines per second and the lowest safety factor.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <string>

#include "calc/progress_headless.h"
#include "calc/result_store.h"
#include "calc/run_data.h"
#include "calc/slicing_polygons.h"
#include "calc/slip_result.h"
#include "calc/straight_angle_search.h"
#include "calc/straight_endpoint_search.h"
#include "model/project_model.h"
#include "platform/file_lookup.h"

namespace selvana {
namespace {

int Point(double x, double y) {
  const int slot = PointCount++;
  PointTable[slot] = {slot, x, y};
  return slot;
}

void Boundary(int p1, int p2) {
  LineTable[LineCount++] = {kLineBoundary, std::min(p1, p2), std::max(p1, p2), 1};
}

void Chain(std::initializer_list<int> points) {
  const int* p = points.begin();
  const int n = static_cast<int>(points.size());
  for (int i = 0; i < n; ++i) Boundary(p[i], p[(i + 1) % n]);
}

void Block(double x, double y, double gammaT, double gammaE, double c0, double phi,
           int kind = kBlockSoil) {
  BlockRecord& b = BlockTable[BlockCount];
  b = BlockRecord{};
  b.Number = BlockCount++;
  b.SeedX = x, b.SeedY = y;
  b.UnitWeight = gammaT, b.EffectiveUnitWeight = gammaE;
  b.Cohesion = c0, b.FrictionAngle = phi;
  b.Kind = kind;
  b.FactorClass = 1;
}

// A 10 m high slope rising to the right from its toe at (10, 0), one soil.
void BuildHomogeneous() {
  ResetProjectData();
  Chain({Point(-10, 0), Point(10, 0), Point(30, 10), Point(60, 10), Point(60, -20),
         Point(-10, -20)});
  Block(20, 0, 18.0, 18.0, 10.0, 20.0);
}

// The same slope on a soft layer below y = 0, a pond at its toe up to y = 3, a surcharge on the
// crest, a horizontal force and an earthquake.
void BuildLayered() {
  ResetProjectData();
  const int a = Point(-10, 0), b = Point(10, 0), w = Point(16, 3);
  const int c = Point(30, 10), d = Point(60, 10), e = Point(60, 0);
  const int f = Point(60, -20), g = Point(-10, -20), h = Point(-10, 3);
  Chain({a, b, w, c, d, e, f, g});
  Boundary(b, e);
  Boundary(w, h);
  Boundary(h, a);
  Block(40, 5, 19.0, 10.0, 15.0, 25.0);
  Block(20, -10, 17.0, 7.0, 20.0, 5.0);
  Block(0, 1, 10.0, 10.0, 0.0, 0.0, kBlockPressureWater);
  cm.Surcharges.XMin[0] = 35.0, cm.Surcharges.XMax[0] = 45.0;
  cm.Surcharges.LoadAtXMin[0] = 10.0, cm.Surcharges.LoadAtXMax[0] = 20.0;
  cm.HorizontalForces.H[0] = 5.0;
  StraightSlipSettings.ForceX = 40.0;
  cm.SeismicCoefficient = 0.1;
}

// Method 3: from the toe, up to the right (an upper-limit point far up-right sets the sense)
// over 5..60 degrees at 0.05.
void SetAngles() {
  cm.kt = kMethodLineFromPoint;
  cm.SliceWidth = 0.1;
  const int limit = Point(1000, 10000);
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
  cm.SliceWidth = 0.1;
  StraightSlipSettings.PointX = {0.0, 10.0, 35.0, 55.0};
  StraightSlipSettings.PointY = {0.0, 0.0, 10.0, 10.0};
  StraightSlipSettings.Range = {0.25, 0.5, 0.0, 0.0};
  StraightSlipSettings.Passes = 1;
}

// Runs in a scratch folder: the search writes its dump files into the current directory.
class ScratchFolder {
 public:
  ScratchFolder() : previous_(CurrentDirectory()) {
    folder_ = std::filesystem::temp_directory_path() / "selvana_straight_search_bench";
    std::filesystem::create_directories(folder_);
    ChangeDirectory(folder_.string());
  }
  ~ScratchFolder() {
    ChangeDirectory(previous_);
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

 private:
  std::string previous_;
  std::filesystem::path folder_;
};

void RunSearch(benchmark::State& state, void (*build)(), void (*settings)(),
               int (*search)(CalcProgress&)) {
  ScratchFolder scratch;
  build();
  settings();
  ResetCalcRunData();
  BuildBlockPolygons();
  long long lines = 0;
  double fmin = 0.0;
  for (auto _ : state) {
    HeadlessProgress progress;
    search(progress);
    lines += progress.polls();  // one poll per line
    fmin = MinSlip.F;
  }
  state.counters["lines/s"] =
      benchmark::Counter(static_cast<double>(lines), benchmark::Counter::kIsRate);
  state.counters["Fmin"] = fmin;
  ResetResultStoreState();
}

void BM_Method3_HomogeneousSlope(benchmark::State& state) {
  RunSearch(state, BuildHomogeneous, SetAngles, SearchSlipLinesByAngle);
}
void BM_Method3_LayeredSlopeWithWaterAndLoads(benchmark::State& state) {
  RunSearch(state, BuildLayered, SetAngles, SearchSlipLinesByAngle);
}
void BM_Method5_HomogeneousSlope(benchmark::State& state) {
  RunSearch(state, BuildHomogeneous, SetSegments, SearchSlipLinesByEndpoints);
}
void BM_Method5_LayeredSlopeWithWaterAndLoads(benchmark::State& state) {
  RunSearch(state, BuildLayered, SetSegments, SearchSlipLinesByEndpoints);
}

BENCHMARK(BM_Method3_HomogeneousSlope)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Method3_LayeredSlopeWithWaterAndLoads)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Method5_HomogeneousSlope)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Method5_LayeredSlopeWithWaterAndLoads)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace selvana
