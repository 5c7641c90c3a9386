// Slice breakpoints: seeds, point X values and loaded surcharge ends, sorted and thinned.
#include "calc/slicing/breaks.h"

#include <cmath>
#include <utility>

#include "calc/run_data.h"
#include "calc/slicing/comb_sort.h"
#include "model/project_model.h"

namespace selvana {

namespace {

// Breakpoints closer than this to the last one kept are the same breakpoint.
constexpr double kDistinctBreak = 0.0001;

// Appends x unless the list is full (it cannot be: the capacity covers every source).
void AppendBreak(double x) {
  SliceBreaksXRecord& breaks = RunData.SliceBreaksX;
  if (breaks.Count < kMaxSliceBreaks) breaks.X[breaks.Count++] = x;
}

// Every used point's X and both ends of each surcharge loaded at its left end.
void AppendModelBreaks() {
  for (int i = 0; i < PointCount && i < kMaxPoints; ++i) {
    if (PointTable[i].Id >= 0) AppendBreak(PointTable[i].X);
  }
  const SurchargeRecord& s = cm.Surcharges;
  for (int i = 0; i < kSurchargeCount; ++i) {
    if (s.LoadAtXMin[i] > 0.0) {
      AppendBreak(s.XMin[i]);
      AppendBreak(s.XMax[i]);
    }
  }
}

// Sorts descending, drops near duplicates of the last value kept and closes the list.
void SortThinAndClose() {
  auto& x = RunData.SliceBreaksX.X;
  CombSort(
      RunData.SliceBreaksX.Count, [&x](int i, int j) { return x[i] < x[j]; },
      [&x](int i, int j) { std::swap(x[i], x[j]); });
  int kept = RunData.SliceBreaksX.Count > 0 ? 1 : 0;
  for (int i = 1; i < RunData.SliceBreaksX.Count; ++i) {
    if (std::fabs(x[i] - x[kept - 1]) >= kDistinctBreak) x[kept++] = x[i];
  }
  RunData.SliceBreaksX.Count = kept;
  AppendBreak(kBreaksSentinel);
}

}  // namespace

int BuildSliceBreaksX(double x0) {
  RunData.SliceBreaksX.Count = 0;
  AppendBreak(x0);
  AppendModelBreaks();
  SortThinAndClose();
  return 0;
}

int BuildSliceBreaksX2(double x0, double x1) {
  RunData.SliceBreaksX.Count = 0;
  AppendBreak(x0);
  AppendBreak(x1);
  AppendModelBreaks();
  SortThinAndClose();
  return 0;
}

}  // namespace selvana
