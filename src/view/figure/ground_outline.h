// The outlines of the soil and structure blocks, which carry loads and bound the slip circles
// drawn in the figure. Water blocks do not count as ground.
#pragma once
#include "model/project_model.h"

namespace selvana {

// True for a used block slot whose kind is soil or structure.
bool IsGroundBlock(int i);

// Traces the outline of block slot i into BlockOutline and returns its entry count, or 0 when
// the trace failed, stayed open or names a free point (so a stale outline is never used).
int TraceGroundOutline(int i);

// True when the edge a-b reaches x (one end at or left of it, one at or right of it).
bool EdgeSpans(const PointRecord& a, const PointRecord& b, double x);

// Y of the edge a-b at x. An edge vertical within 0.0001 gives its higher end Y when higher is
// true, else its lower end Y.
double EdgeYAt(const PointRecord& a, const PointRecord& b, double x, bool higher);

}  // namespace selvana
