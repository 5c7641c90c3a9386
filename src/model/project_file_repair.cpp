// Post-read checks of the point, line and block tables.
#include "model/project_file_repair.h"

#include "model/project_model.h"

namespace selvana {
namespace {

// Every negative number marks a free slot, stored as -1; any other number becomes index.
// True on a change.
bool OwnIndex(int& number, int index) {
  const int own = number < 0 ? -1 : index;
  if (number == own) return false;
  number = own;
  return true;
}

bool IsUsedPoint(int slot) { return slot >= 0 && slot < PointCount && PointTable[slot].Id >= 0; }

}  // namespace

bool RepairPointIds() {
  bool changed = false;
  for (int i = 0; i < PointCount; ++i) changed |= OwnIndex(PointTable[i].Id, i);
  return changed;
}

bool RepairLineEnds() {
  bool changed = false;
  for (int i = 0; i < LineCount; ++i) {
    LineRecord& line = LineTable[i];
    if (line.Kind == kLineFree) continue;
    const bool validKind = line.Kind >= kLineFree && line.Kind <= kLineResidualWater;
    if (!validKind || !IsUsedPoint(line.P1) || !IsUsedPoint(line.P2)) {
      line.Kind = kLineFree;
      changed = true;
    }
  }
  return changed;
}

bool RepairBlockNumbers() {
  bool changed = false;
  for (int i = 0; i < BlockCount; ++i) changed |= OwnIndex(BlockTable[i].Number, i);
  return changed;
}

}  // namespace selvana
