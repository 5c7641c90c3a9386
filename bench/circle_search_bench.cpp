// Speed of the whole Fellenius circle search: a homogeneous slope and a layered slope with a
// pond, a surcharge, a horizontal force and an earthquake, each over 21 x 21 centres and 21 radii
// with 0.1 m slices in one grid order. Reports circles and slices per second.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <initializer_list>
#include <string>

#include "calc/fellenius_search.h"
#include "calc/progress_headless.h"
#include "calc/result_store.h"
#include "calc/run_data.h"
#include "calc/slicing_polygons.h"
#include "calc/slip_result.h"
#include "model/project_model.h"
#include "platform/file_lookup.h"

namespace selvana {
namespace {

int AddPoint(double x, double y) {
  const int slot = PointCount++;
  PointTable[slot] = {slot, x, y};
  return slot;
}

void AddLine(int p1, int p2) {
  LineTable[LineCount++] = {kLineBoundary, std::min(p1, p2), std::max(p1, p2), 1};
}

void AddChain(std::initializer_list<int> points) {
  const int* p = points.begin();
  const int n = static_cast<int>(points.size());
  for (int i = 0; i < n; ++i) AddLine(p[i], p[(i + 1) % n]);
}

void AddBlock(double x, double y, double gammaT, double gammaE, double c0, double phi,
              int kind = kBlockSoil) {
  const int slot = BlockCount++;
  BlockRecord& b = BlockTable[slot];
  b = BlockRecord{};
  b.Number = slot;
  b.SeedX = x, b.SeedY = y;
  b.UnitWeight = gammaT, b.EffectiveUnitWeight = gammaE;
  b.Cohesion = c0, b.FrictionAngle = phi;
  b.Kind = kind;
  b.FactorClass = 1;
}

// 21 x 21 centres over (10..30, 20..40) and 21 radii from 20 to 30 m, one grid order.
void SetGrid() {
  CircleSearchSettings& s = FelleniusCircleSettings;
  s.CentreX = {10.0, 30.0, 1.0, 0.0};
  s.CentreY = {20.0, 40.0, 1.0, 0.0};
  s.Radius = {20.0, 30.0, 0.5, 0.0};
  s.HighestGridOrder = 1;
  s.ExtendFirstGrid = 2;
  cm.SliceWidth = 0.1;
}

// A 10 m high slope rising to the right, one soil.
void BuildHomogeneous() {
  ResetProjectData();
  AddChain({AddPoint(-10, 0), AddPoint(10, 0), AddPoint(30, 10), AddPoint(60, 10),
            AddPoint(60, -20), AddPoint(-10, -20)});
  AddBlock(20, 0, 18.0, 18.0, 10.0, 20.0);
  SetGrid();
}

// The same slope on a soft layer below y = 0, a pond at its toe up to y = 3, a surcharge on the
// crest, a horizontal force and an earthquake.
void BuildLayered() {
  ResetProjectData();
  const int a = AddPoint(-10, 0), b = AddPoint(10, 0), w = AddPoint(16, 3);
  const int c = AddPoint(30, 10), d = AddPoint(60, 10), e = AddPoint(60, 0);
  const int f = AddPoint(60, -20), g = AddPoint(-10, -20), h = AddPoint(-10, 3);
  AddChain({a, b, w, c, d, e, f, g});
  AddLine(b, e);
  AddLine(w, h);
  AddLine(h, a);
  AddBlock(40, 5, 19.0, 10.0, 15.0, 25.0);
  AddBlock(20, -10, 17.0, 7.0, 20.0, 5.0);
  AddBlock(0, 1, 10.0, 10.0, 0.0, 0.0, kBlockPressureWater);
  cm.Surcharges.XMin[0] = 35.0, cm.Surcharges.XMax[0] = 45.0;
  cm.Surcharges.LoadAtXMin[0] = 10.0, cm.Surcharges.LoadAtXMax[0] = 20.0;
  cm.HorizontalForces.Y[0] = 8.0, cm.HorizontalForces.H[0] = 5.0;
  cm.SeismicCoefficient = 0.1;
  SetGrid();
}

// The Fellenius mechanics, counting circles and slices on the way.
class CountingMethod : public FelleniusCircleMethod {
 public:
  using FelleniusCircleMethod::FelleniusCircleMethod;
  void ResetRecord(int order0, double cx, double cy, double R) override {
    if (!closing_) ++circles;
    FelleniusCircleMethod::ResetRecord(order0, cx, cy, R);
  }
  void AddSlice(double R, double cx, double cy, int b, double xR, double yR, double xL,
                double yL) override {
    ++slices;
    FelleniusCircleMethod::AddSlice(R, cx, cy, b, xR, yR, xL, yL);
  }
  void CloseSurface(int order0, double cx, double cy, double R) override {
    closing_ = true;
    FelleniusCircleMethod::CloseSurface(order0, cx, cy, R);
    closing_ = false;
  }
  long long circles = 0;
  long long slices = 0;

 private:
  bool closing_ = false;
};

// Runs in a scratch folder: the search writes its dump files into the current directory.
class ScratchFolder {
 public:
  ScratchFolder() : previous_(CurrentDirectory()) {
    folder_ = std::filesystem::temp_directory_path() / "selvana_circle_search_bench";
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

void RunSearch(benchmark::State& state, void (*build)()) {
  ScratchFolder scratch;
  build();
  ResetCalcRunData();
  BuildBlockPolygons();
  long long circles = 0, slices = 0;
  double fmin = 0.0;
  for (auto _ : state) {
    HeadlessProgress progress;
    CountingMethod method(progress);
    SearchCircles(FelleniusCircleSettings, method, progress);
    circles += method.circles;
    slices += method.slices;
    fmin = MinSlip.F;
  }
  state.counters["circles/s"] = benchmark::Counter(static_cast<double>(circles),
                                                   benchmark::Counter::kIsRate);
  state.counters["slices/s"] = benchmark::Counter(static_cast<double>(slices),
                                                  benchmark::Counter::kIsRate);
  state.counters["Fmin"] = fmin;
  ResetResultStoreState();
}

void BM_HomogeneousSlope(benchmark::State& state) { RunSearch(state, BuildHomogeneous); }
void BM_LayeredSlopeWithWaterAndLoads(benchmark::State& state) { RunSearch(state, BuildLayered); }

BENCHMARK(BM_HomogeneousSlope)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LayeredSlopeWithWaterAndLoads)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace selvana

BENCHMARK_MAIN();
