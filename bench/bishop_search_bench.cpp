// Speed of the whole Bishop circle search, simplified (method 2) and modified (method 4): the
// homogeneous slope and the layered slope with a pond, a surcharge, a horizontal force and an
// earthquake of the Fellenius benchmark, over the same 21 x 21 centres and 21 radii with 0.1 m
// slices in one grid order. Reports circles and slices per second and the lowest factor. The
// benchmark main lives in circle_search_bench.cpp.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <string>

#include "calc/bishop_search.h"
#include "calc/bishop_slices.h"
#include "calc/bishop_totals.h"  // ResetBishopState
#include "calc/progress_headless.h"
#include "calc/result_store.h"
#include "calc/run_data.h"
#include "calc/slicing_polygons.h"
#include "calc/slip_result.h"
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
void Grid() {
  CircleSearchSettings& s = BishopCircleSettings;
  s.CentreX = {10.0, 30.0, 1.0, 0.0};
  s.CentreY = {20.0, 40.0, 1.0, 0.0};
  s.Radius = {20.0, 30.0, 0.5, 0.0};
  s.HighestGridOrder = 1;
  s.ExtendFirstGrid = 2;
  cm.SliceWidth = 0.1;
}

// A 10 m high slope rising to the right, one soil.
void Homogeneous() {
  Chain({Point(-10, 0), Point(10, 0), Point(30, 10), Point(60, 10), Point(60, -20),
         Point(-10, -20)});
  Block(20, 0, 18.0, 18.0, 10.0, 20.0);
}

// The same slope on a soft layer below y = 0, a pond at its toe up to y = 3, a surcharge on the
// crest, a horizontal force and an earthquake.
void Layered() {
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
  cm.HorizontalForces.Y[0] = 8.0, cm.HorizontalForces.H[0] = 5.0;
  cm.SeismicCoefficient = 0.1;
}

// The Bishop mechanics, counting circles and slices on the way.
class CountingBishop : public BishopCircleMethod {
 public:
  using BishopCircleMethod::BishopCircleMethod;
  void ResetRecord(int order0, double cx, double cy, double R) override {
    if (!closing_) ++circles;
    BishopCircleMethod::ResetRecord(order0, cx, cy, R);
  }
  void AddSlice(double R, double cx, double cy, int b, double xR, double yR, double xL,
                double yL) override {
    ++slices;
    BishopCircleMethod::AddSlice(R, cx, cy, b, xR, yR, xL, yL);
  }
  void CloseSurface(int order0, double cx, double cy, double R) override {
    closing_ = true;
    BishopCircleMethod::CloseSurface(order0, cx, cy, R);
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
    folder_ = std::filesystem::temp_directory_path() / "selvana_bishop_search_bench";
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

void RunSearch(benchmark::State& state, int method, void (*build)()) {
  ScratchFolder scratch;
  ResetProjectData();
  cm.kt = method;
  build();
  Grid();
  ResetCalcRunData();
  BuildBlockPolygons();
  BishopSlices.SetRoom(BishopSliceRoom());
  long long circles = 0, slices = 0;
  double fmin = 0.0;
  for (auto _ : state) {
    HeadlessProgress progress;
    CountingBishop counting(progress);
    SearchCircles(BishopCircleSettings, counting, progress);
    circles += counting.circles;
    slices += counting.slices;
    fmin = MinSlip.F;
  }
  const auto rate = [](long long n) {
    return benchmark::Counter(static_cast<double>(n), benchmark::Counter::kIsRate);
  };
  state.counters["circles/s"] = rate(circles);
  state.counters["slices/s"] = rate(slices);
  state.counters["Fmin"] = fmin;
  ResetResultStoreState();
  ResetBishopState();
}

void BM_BishopHomogeneousSlope(benchmark::State& state) {
  RunSearch(state, kMethodBishop, Homogeneous);
}
void BM_BishopLayeredSlopeWithWaterAndLoads(benchmark::State& state) {
  RunSearch(state, kMethodBishop, Layered);
}
void BM_ModifiedBishopHomogeneousSlope(benchmark::State& state) {
  RunSearch(state, kMethodModifiedBishop, Homogeneous);
}
void BM_ModifiedBishopLayeredSlopeWithWaterAndLoads(benchmark::State& state) {
  RunSearch(state, kMethodModifiedBishop, Layered);
}

BENCHMARK(BM_BishopHomogeneousSlope)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BishopLayeredSlopeWithWaterAndLoads)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ModifiedBishopHomogeneousSlope)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ModifiedBishopLayeredSlopeWithWaterAndLoads)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace selvana
