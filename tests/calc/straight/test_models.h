// Cross-sections and search settings built in code for the straight-line tests: the slope at
// Culmann's critical height, a box split into two blocks, two separate boxes, and the settings
// of a one-angle or one-line search.
#pragma once

#include "model/project_model.h"

namespace selvana::test {

// Culmann's critical height of a planar failure: H = 4 c sin β cos φ / (γ (1 - cos(β - φ))).
double CulmannCriticalHeight(double c, double gamma, double betaDeg, double phiDeg);

// A slope of height H and face angle β rising to the left from its toe at (0, 0): crest at
// (-H / tan β, H), level to X -40, base at Y -10 from X -40 to 10, ground level right of the
// toe. One soil block (γt = γ' = gamma, C0 = c, φ = phi). Returns the block slot.
int BuildSlopeRisingLeft(double H, double betaDeg, double c, double gamma, double phiDeg);

// A box 0..20 x 0..10 split at X 10 into a soil block on the left and a block of the given kind
// on the right (γ 18, C0 10, φ 20 for both). Returns the slot of the right block.
int BuildSplitBox(int rightKind);

// Two separate soil boxes 0..10 and 15..25, both 0..10 high (γ 18, C0 10, φ 20).
void BuildTwoBoxes();

// Method 3 from (x0, y0) over the one angle a, on the given side, with the given passes.
void SetOneAngle(double x0, double y0, double a, int side, int passes = 1);

// Method 5 from the start segment p0-p1 to the end segment p2-p3 with the two spacings.
void SetSegments(double x0, double y0, double x1, double y1, double x2, double y2, double x3,
                 double y3, double spacing1, double spacing2, int passes = 1);

}  // namespace selvana::test
