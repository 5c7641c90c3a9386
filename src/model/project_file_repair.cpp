// Post-read checks of the point, line and block tables.
#include "model/project_file_repair.h"

#include <span>

#include "model/line_records.h"
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

// A line the table cannot keep: an unknown kind, an end that is no used point, or a repeat of an
// earlier line of the same kind (the rule AddLineRecord keeps).
bool IsBrokenLine(int i) {
  const LineRecord& line = LineTable[i];
  const bool validKind = line.Kind >= kLineFree && line.Kind <= kLineResidualWater;
  return !validKind || !HoldsPointBelowCount(line.P1) || !HoldsPointBelowCount(line.P2) ||
         RepeatedLine(line.Kind, line.P1, line.P2, std::span(LineTable).first(i)) >= 0;
}

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
    if (IsBrokenLine(i)) {
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
