// The circle search of the modified Fellenius and Tschebotarioff methods (cm.kt 0 and 1).
#pragma once

#include "calc/circle/fellenius_slice.h"
#include "calc/circle/search.h"
#include "calc/progress/progress.h"

namespace selvana {

// The Fellenius mechanics for the shared circle walk: slice moments summed into the current
// record, circle totals, the store of methods 0 and 1; the mode-1 sheet pile stops surfaces.
class FelleniusCircleMethod : public CircleMethod {
 public:
  // What the slices read of the model is found here, once for the search (the model stays as
  // it is).
  explicit FelleniusCircleMethod(CalcProgress& progress)
      : progress_(progress), run_(FindFelleniusRunTerms()) {}
  void ResetRecord(int order0, double cx, double cy, double R) override;
  void AddSlice(double R, double cx, double cy, int b, double xR, double yR, double xL,
                double yL) override;
  BishopShares CompleteSurface() override;
  void StoreSurface(int order0, const BishopShares& shares, std::string_view dumpLines) override;
  SlipFamily Family() const override { return SlipFamily::Circle; }
  bool CutsOnThreads() const override { return true; }
  bool StoppedBySheetPile() const override { return true; }

 private:
  CalcProgress& progress_;
  FelleniusRunTerms run_;
};

// Searches the critical circle with FelleniusCircleSettings on the design copy. Returns 0 when
// the search ran to its end, -1 when the user stopped it.
int SearchCirclesFellenius(CalcProgress& progress);

}  // namespace selvana
