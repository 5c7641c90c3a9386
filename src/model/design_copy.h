// The design copy of the model: the user's input records saved aside while the partial safety
// factors are multiplied into the live records for a calculation, drawing, print or plot, and
// copied back afterwards. Use DesignCopyScope rather than the save and restore calls by hand.
#pragma once
#include <array>

#include "model/project_model.h"

namespace selvana {

// A second instance of the input records a design copy changes (not the lines, the counts,
// the drawing and display settings or the results). Only the used rows of the block and point
// tables are copied; rows above the counts keep whatever an earlier save left there.
struct ModelSnapshotRecord {
  CalcConditions cm;
  CircleSearchSettings FelleniusCircleSettings;
  CircleSearchSettings BishopCircleSettings;
  StraightSlipSettingsRecord StraightSlipSettings;
  SheetPileSettingsRecord SheetPileSettings;  // all rows, whatever RowCount says
  PartialFactorsRecord PartialFactors;        // the user's switch and factors
  std::array<BlockRecord, kMaxBlocks> BlockTable;
  std::array<PointRecord, kMaxPoints> PointTable;
};

// The user's values while a design copy is in force; equal to the live model after a restore.
extern ModelSnapshotRecord ModelSnapshot;

// Copies the input records from the live model into ModelSnapshot (rows below BlockCount and
// PointCount as they stand). Returns 0.
int SaveModelSnapshot();

// Copies them back into the live model, using BlockCount and PointCount as they stand now.
// Returns 0.
int RestoreModelSnapshot();

// Saves the snapshot, applies partial factors and restores the user's model when it ends, also
// when an exception leaves the scope. A scope opened while another is open does nothing at all
// (no save, no factors, no restore): a nested save would otherwise take the factored values as
// the user's and the outer restore would keep them for good.
class DesignCopyScope {
 public:
  using ApplyRoutine = int (*)();
  // apply is the partial-factor routine to run after the save (ApplyPartialFactors of
  // partial_factors.h, or the calculation entry's family routine); null applies nothing.
  explicit DesignCopyScope(ApplyRoutine apply);
  ~DesignCopyScope();
  DesignCopyScope(const DesignCopyScope&) = delete;
  DesignCopyScope& operator=(const DesignCopyScope&) = delete;

  // True for the scope that took the snapshot and will restore it.
  bool IsOuter() const { return outer_; }

 private:
  bool outer_ = false;
};

// True while a DesignCopyScope holds the live model in design values.
bool DesignCopyInForce();

// The user's partial factors: ModelSnapshot's while a design copy is in force (the live record
// then reads Enabled 0 and all factors 1.0), the live record otherwise. Where the structural
// analysis factor (row 9) and the user's switch are read.
const PartialFactorsRecord& UserPartialFactors();

}  // namespace selvana
