// Moments of one slice of a slip circle about its centre for the modified Fellenius and the
// Tschebotarioff methods (one computation), including the sand-pile formulas.
#pragma once

#include <array>

#include "calc/results/slip_result.h"
#include "calc/slicing/surcharges.h"
#include "model/project_model.h"

namespace selvana {

struct BlockRecord;

// The terms of the slice just computed, with the working values they came from. One instance,
// overwritten per slice; the search adds the five moment terms to the current slip surface.
struct SliceTermsRecord {
  double mrf = 0.0;  // friction resisting moment
  double mrc = 0.0;  // cohesion resisting moment
  double mdw = 0.0;  // weight (and surcharge) driving moment
  double mdh = 0.0;  // horizontal-force moment: always 0 for a circle slice
  double mdk = 0.0;  // seismic moment
  // Working values of the same slice.
  double c = 0.0;       // cohesion at the base middle
  double tanPhi = 0.0;  // tan φ of the base block
  double l = 0.0;       // base chord length
  double width = 0.0;   // slice width
  // Only the height of the weight's centroid is used (by the seismic moment): the other
  // first moments and centroids are not worked out.
  double W = 0.0;      // weight that drives (total, or effective in driving-force mode 1)
  double Wy = 0.0;     // first moment of the total weight about y = 0
  double We = 0.0;     // effective weight W'
  double yg = 0.0;     // centroid height of the total weight
  double alpha = 0.0;  // base angle, positive where the base rises to the right
  double kh = 0.0;     // seismic coefficient in use
  double Q = 0.0;      // surcharge on the slice (kN/m)
};
extern thread_local constinit SliceTermsRecord SliceTerms;

// Adds only the driving terms of t (mdw, mdh, mdk) to r. Inline: once per slice.
inline void AddSliceDrivingTerms(SlipResult& r, const SliceTermsRecord& t = SliceTerms) {
  r.mdw += t.mdw;
  r.mdh += t.mdh;
  r.mdk += t.mdk;
}
// Adds the five moment terms of t to r.
inline void AddSliceTerms(SlipResult& r, const SliceTermsRecord& t = SliceTerms) {
  r.mrf += t.mrf;
  r.mrc += t.mrc;
  AddSliceDrivingTerms(r, t);
}

// Unit weights a block's strip counts with: total γt and effective γ'.
struct UnitWeights {
  double total;
  double effective;
};

// The unit weights of ground improved with sand piles: pile and soil blended by the replacement
// ratio As, γt = (γt - γ' + Ws) As + (1 - As) γt and γ' = Ws As + (1 - As) γ'.
UnitWeights SandPileUnitWeights(const BlockRecord& block);

// Sets the base values of SliceTerms for a base chord (xR, yR)-(xL, yL) in block base: the
// cohesion at its middle, tan φ, the chord length and the slice width.
void SetSliceBaseTerms(const BlockRecord& base, double xR, double yR, double xL, double yL);

// What every slice of a Fellenius search reads of the model, found once before the search (the
// model does not change while it runs): the loaded surcharges, the seismic settings, and for
// each used block slot, in slot order, the unit weights its strip counts with and tan φ.
struct FelleniusRunTerms {
  // A used block: total γt and effective γ' (blended for sand piles), the unit weight the
  // sand-pile formulas count it with when it is not the base block, and tan φ.
  struct Block {
    int slot;
    double total, effective, other;
  };
  LoadedSurcharges loaded;
  double kh = 0.0;                       // seismic coefficient in use (0 in driving-force mode 1)
  bool drivenByEffectiveWeight = false;  // driving-force mode 1
  bool seismicWithSurcharge = false;     // the seismic reduction counts the surcharge too
  int blocks = 0;
  std::array<Block, kMaxBlocks> block{};
  std::array<double, kMaxBlocks> tanPhi{};  // by slot
};
FelleniusRunTerms FindFelleniusRunTerms();

// Fills SliceTerms for the slice above the base chord (xR, yR)-(xL, yL) of the circle (cx, cy, R)
// whose base lies in block slot b, from the strips in BlockStrips, with the run terms found by
// FindFelleniusRunTerms() for the model as it is now. Returns 0.
int SliceMomentsFellenius(const FelleniusRunTerms& run, double R, double cx, double cy, int b,
                          double xR, double yR, double xL, double yL);
// The same, finding the run terms first.
int SliceMomentsFellenius(double R, double cx, double cy, int b, double xR, double yR, double xL,
                          double yL);
// The search's form: adds the five moment terms of that slice to r (as AddSliceTerms would
// after SliceMomentsFellenius) without going through SliceTerms.
void AddSliceMomentsFellenius(const FelleniusRunTerms& run, double R, double cy, int b, double xR,
                              double yR, double xL, double yL, SlipResult& r);

}  // namespace selvana
