// Saving and restoring the user's input records around a design copy, and the scope guard that
// pairs them.
#include "model/design_copy.h"

#include <algorithm>

namespace selvana {

ModelSnapshotRecord ModelSnapshot;

namespace {

// Whether an outer DesignCopyScope is open; only the scopes change it.
bool designCopyOpen = false;

template <typename Row, std::size_t N>
void CopyRows(const std::array<Row, N>& from, std::array<Row, N>& to, int count) {
  const int n = std::clamp(count, 0, static_cast<int>(N));
  std::copy_n(from.begin(), n, to.begin());
}

}  // namespace

int SaveModelSnapshot() {
  ModelSnapshot.cm = cm;
  ModelSnapshot.FelleniusCircleSettings = FelleniusCircleSettings;
  ModelSnapshot.BishopCircleSettings = BishopCircleSettings;
  ModelSnapshot.StraightSlipSettings = StraightSlipSettings;
  ModelSnapshot.SheetPileSettings = SheetPileSettings;
  ModelSnapshot.PartialFactors = PartialFactors;
  CopyRows(BlockTable, ModelSnapshot.BlockTable, BlockCount);
  CopyRows(PointTable, ModelSnapshot.PointTable, PointCount);
  return 0;
}

int RestoreModelSnapshot() {
  cm = ModelSnapshot.cm;
  FelleniusCircleSettings = ModelSnapshot.FelleniusCircleSettings;
  BishopCircleSettings = ModelSnapshot.BishopCircleSettings;
  StraightSlipSettings = ModelSnapshot.StraightSlipSettings;
  SheetPileSettings = ModelSnapshot.SheetPileSettings;
  PartialFactors = ModelSnapshot.PartialFactors;
  CopyRows(ModelSnapshot.BlockTable, BlockTable, BlockCount);
  CopyRows(ModelSnapshot.PointTable, PointTable, PointCount);
  return 0;
}

DesignCopyScope::DesignCopyScope(ApplyRoutine apply) {
  if (designCopyOpen) return;
  SaveModelSnapshot();
  designCopyOpen = true;
  outer_ = true;
  try {
    if (apply) apply();
  } catch (...) {
    RestoreModelSnapshot();
    designCopyOpen = false;
    throw;
  }
}

DesignCopyScope::~DesignCopyScope() {
  if (!outer_) return;
  RestoreModelSnapshot();
  designCopyOpen = false;
}

bool DesignCopyInForce() { return designCopyOpen; }

const PartialFactorsRecord& UserPartialFactors() {
  return designCopyOpen ? ModelSnapshot.PartialFactors : PartialFactors;
}

}  // namespace selvana
