// The circle search of the simplified Bishop method and of its modified formula (cm.kt 2, 4).
#pragma once
#include <atomic>

#include "calc/circle/bishop_slices.h"
#include "calc/circle/search.h"
#include "calc/progress/progress.h"

namespace selvana {

// The Bishop mechanics for the shared circle walk. Where this search differs from the
// Fellenius one, and only there:
// - settings come from BishopCircleSettings (the caller passes them to the walk);
// - after every abort poll that did not stop the run, progress line 4 names the centre;
// - no sheet-pile test: a circle may cross the pile in every pile mode;
// - a slice adds only its driving terms to the record; its resisting terms go to the slice
//   records (BishopSlices), because they depend on the safety factor being sought;
// - closing a surface iterates for the safety factor (CircleTotalsBishop) and the store writes
//   the friction and cohesion shares of the last iteration into the dump line.
class BishopCircleMethod : public CircleMethod {
 public:
  // What the slices read of the model is found here, once for the search (the model stays as
  // it is).
  explicit BishopCircleMethod(CalcProgress& progress)
      : progress_(progress), run_(FindBishopRunTerms()) {}
  void ResetRecord(int order0, double cx, double cy, double R) override;
  void AddSlice(double R, double cx, double cy, int b, double xR, double yR, double xL,
                double yL) override;
  BishopShares CompleteSurface() override;
  void StoreSurface(int order0, const BishopShares& shares, std::string_view dumpLines) override;
  SlipFamily Family() const override { return SlipFamily::BishopCircle; }
  bool CutsOnThreads() const override { return true; }
  bool StoppedBySheetPile() const override { return false; }
  void CentreReached(double cx, double cy) override;
  // Each search thread makes room for its slice records and hands back its dropped slices.
  void StartThread() override;
  void EndThread() override;
  // Slices dropped on the search threads that have ended.
  long long DroppedOnThreads() const { return droppedOnThreads_.load(); }

 private:
  CalcProgress& progress_;
  BishopRunTerms run_;
  std::atomic<long long> droppedOnThreads_{0};
};

// Searches the critical circle with BishopCircleSettings on the design copy, after giving the
// slice records their room for this model (BishopSliceRoom). Returns 0 when the search ran to
// its end (or did not start: a slice width below 0.001 would never end a slice loop; the run
// entry refuses it first), -1 when the user stopped it.
int SearchCirclesBishop(CalcProgress& progress);

}  // namespace selvana
