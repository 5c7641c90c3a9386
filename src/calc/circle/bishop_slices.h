// The slices of a Bishop slip surface: their five terms, kept in memory for the fixed-point
// iteration of the circle totals, and the slice mechanics of methods 2 and 4 that compute them.
#pragma once
#include <array>
#include <cstddef>
#include <span>
#include <vector>

#include "calc/results/slip_result.h"
#include "calc/slicing/surcharges.h"
#include "model/project_model.h"

namespace selvana {

// One slice of a Bishop circle. Its denominator is m(F) = TanTerm / F + CosTerm and it adds
// Numerator / m(F) to the resisting moment.
struct BishopSliceRecord {
  double Numerator;          // resisting numerator, cohesion and friction, times R
  double CosTerm;            // the part of the denominator that does not depend on F
  double TanTerm;            // the part of the denominator divided by F (never negative)
  double CohesionNumerator;  // cohesion share of Numerator
  double FrictionNumerator;  // friction share of Numerator
};
static_assert(sizeof(BishopSliceRecord) == 40, "five doubles, nothing else");

// The most slice records a slip surface may hold (84 MB); far beyond any sensible slice width.
inline constexpr std::size_t kMaxBishopSlices = std::size_t{1} << 21;

// The slice records of the slip surface under evaluation, in the order they were computed
// (right to left). The room is set once before a search and never grows inside it; a slice
// that finds the room full is dropped and the surface is marked as overflowing.
class BishopSliceList {
 public:
  // Makes room for exactly capacity records (allocates only when the room changes) and empties
  // the list. Call before the search loops, never inside them.
  void SetRoom(std::size_t capacity);
  std::size_t Room() const { return records_.size(); }
  // Empties the list for a new slip surface.
  void Clear() {
    count_ = 0;
    overflowed_ = false;
  }
  // Appends a record; false (and the surface marked overflowing) when the room is full.
  // Inline: once per slice.
  bool Append(const BishopSliceRecord& record) {
    if (count_ >= records_.size()) {
      overflowed_ = true;
      ++dropped_;
      return false;
    }
    records_[count_++] = record;
    return true;
  }
  std::span<const BishopSliceRecord> Records() const { return {records_.data(), count_}; }
  // True when a slice of the current surface was dropped.
  bool Overflowed() const { return overflowed_; }
  // Slices dropped since the last ResetDropped (the run entry reports them).
  long long Dropped() const { return dropped_; }
  void ResetDropped() { dropped_ = 0; }
  // Counts slices dropped elsewhere (on other search threads) as dropped here.
  void AddDropped(long long n) { dropped_ += n; }

 private:
  std::vector<BishopSliceRecord> records_;
  std::size_t count_ = 0;
  bool overflowed_ = false;
  long long dropped_ = 0;
};

extern thread_local BishopSliceList BishopSlices;

// The room one slip surface can need in the current model: every slice lies between the
// extreme X of the boundary lines, and each slice interval (between two breakpoints or surface
// hits) adds at most one slice to its length / SliceWidth. Held to kMaxBishopSlices.
std::size_t BishopSliceRoom();

// Starts a fresh CurrentSlipResult for the circle, as the circle reset does (order0 + 1,
// centre, radius, ends unset, terms 0, f 999999.9, SlipMassYRange and SlipInvalid cleared),
// and empties the slice records. Returns 0.
int ResetCircleRecordBishop(int order0, double cx, double cy, double R);

// What every slice of a Bishop search reads of the model, found once before the search (the
// model does not change while it runs): the formula, the driving and seismic settings, the
// loaded surcharges, and for each used block slot, in slot order, its unit weights, and tan φ.
struct BishopRunTerms {
  struct Block {
    int slot;
    double total, effective;  // γt and γ'
  };
  bool modified = false;                 // cm.kt 4: the modified formula
  bool drivenByEffectiveWeight = false;  // driving-force mode 1
  double kh = 0.0;                       // seismic coefficient
  LoadedSurcharges loaded;
  int blocks = 0;
  std::array<Block, kMaxBlocks> block{};
  std::array<double, kMaxBlocks> tanPhi{};  // by slot
};
BishopRunTerms FindBishopRunTerms();

// The slice above the base chord (xRight, yRight)-(xLeft, yLeft) of the circle (cx, cy, R)
// whose base lies in block slot block, from the strips in BlockStrips: appends its record
// (cm.kt 4 the modified formula, any other code the simplified one) and leaves its driving
// terms mdw, mdh (0) and mdk in SliceTerms; the resisting shares of SliceTerms are not written.
// Sand piles play no part. Returns 0.
int SliceTermsBishop(double R, double cx, double cy, int block, double xRight, double yRight,
                     double xLeft, double yLeft);
// The same with the run terms found by FindBishopRunTerms() for the model as it is now.
int SliceTermsBishop(const BishopRunTerms& run, double R, double cx, double cy, int block,
                     double xRight, double yRight, double xLeft, double yLeft);
// The search's form: appends the record and adds the driving terms to r (as
// AddSliceDrivingTerms would after SliceTermsBishop) without going through SliceTerms.
void AddSliceBishop(const BishopRunTerms& run, double R, double cy, int block, double xRight,
                    double yRight, double xLeft, double yLeft, SlipResult& r);

}  // namespace selvana
