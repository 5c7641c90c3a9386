// How every search benchmark runs and reports: the slope built, the search set up, the block
// polygons traced, whole searches timed in a scratch folder, and their rates as counters.
#pragma once

#include <benchmark/benchmark.h>

#include "bench_slopes.h"
#include "calc/progress/headless.h"

namespace selvana::bench {

// What one whole search went through.
struct SearchCount {
  long long surfaces = 0;  // circles or straight lines tried
  long long slices = 0;    // slices computed, where the search lets them be counted
};

// One search as a benchmark runs it.
class SearchBench {
 public:
  virtual ~SearchBench() = default;
  // Name of the per-second counter of the surfaces: "circles/s" or "lines/s".
  virtual const char* SurfaceRateName() const = 0;
  // True when RunOnce counts slices (then "slices/s" is reported).
  virtual bool CountsSlices() const = 0;
  // Sets the method and its search settings on the slope just built; may add to the model
  // (limit lines), as it runs before the block polygons are traced.
  virtual void Configure() = 0;
  // Runs before the timed searches, once the block polygons are traced.
  virtual void Prepare() {}
  // Runs the whole search once with a fresh progress object.
  virtual SearchCount RunOnce(HeadlessProgress& progress) = 0;
  // Clears what the search leaves behind beyond the result store.
  virtual void Clear() {}
};

// Builds the slope, configures the search, traces the block polygons, then times whole searches
// in a scratch folder (the searches write their dump files into the current directory).
// Reports the surfaces and slices per second and the lowest safety factor "Fmin" of the last
// search, and clears the results afterwards.
void RunSearchBench(benchmark::State& state, SlopeBuilder buildSlope, SearchBench& search);

}  // namespace selvana::bench
