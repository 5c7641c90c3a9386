// What the Fellenius and Bishop search benchmarks share: a circle method that counts the circles
// and slices it is handed, and the benchmark of a circle search with its grid.
#pragma once

#include "bench_slopes.h"
#include "calc/circle/search.h"
#include "search_bench.h"

namespace selvana::bench {

// The mechanics of Method, counting circles and slices on the way. The walk resets the record
// once per circle and again after each surface it closes; only the first counts.
template <class Method>
class CountingCircleMethod : public Method {
 public:
  using Method::Method;
  void ResetRecord(int order0, double cx, double cy, double R) override {
    if (!closing_) ++count_.surfaces;
    Method::ResetRecord(order0, cx, cy, R);
  }
  void AddSlice(double R, double cx, double cy, int b, double xR, double yR, double xL,
                double yL) override {
    ++count_.slices;
    Method::AddSlice(R, cx, cy, b, xR, yR, xL, yL);
  }
  void CloseSurface(int order0, double cx, double cy, double R) override {
    closing_ = true;
    Method::CloseSurface(order0, cx, cy, R);
    closing_ = false;
  }
  // The counts are plain members: the circles are cut on the calling thread only.
  bool CutsOnThreads() const override { return false; }
  const SearchCount& count() const { return count_; }

 private:
  SearchCount count_;
  bool closing_ = false;
};

// The circle search of method code kt with Method's mechanics over the shared grid, held in
// settings (the search's own settings record).
template <class Method>
class CircleSearchBench : public SearchBench {
 public:
  CircleSearchBench(int kt, CircleSearchSettings& settings) : kt_(kt), settings_(settings) {}
  const char* SurfaceRateName() const override { return "circles/s"; }
  bool CountsSlices() const override { return true; }
  void Configure() override {
    cm.kt = kt_;
    SetCircleGrid(settings_);
  }
  SearchCount RunOnce(HeadlessProgress& progress) override {
    CountingCircleMethod<Method> method(progress);
    SearchCircles(settings_, method, progress);
    return method.count();
  }

 private:
  int kt_;
  CircleSearchSettings& settings_;
};

}  // namespace selvana::bench
