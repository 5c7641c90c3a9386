// Checks of the tables after a project file was read: slot numbers and line ends that a
// hand-edited file may have broken.
#pragma once

namespace selvana {

// A used point slot (Id 0 or more) gets its own index as Id; a negative Id marks a free slot and
// becomes -1. Returns true on a change.
bool RepairPointIds();

// A line whose kind is outside -1..7, whose ends are not used point slots below PointCount, or
// that repeats an earlier line of the same kind between the same two ends (in either order), is
// freed (Kind -1). Returns true on a change.
bool RepairLineEnds();

// A used block slot (Number 0 or more) gets its own index as Number; a negative Number marks a
// free slot and becomes -1. Returns true on a change.
bool RepairBlockNumbers();

}  // namespace selvana
