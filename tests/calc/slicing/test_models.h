// Small cross-sections built in code for the slicing tests: a square block, a two-layer slope
// and a water block beside it.
#pragma once

#include "calc/test_model_builder.h"
#include "model/project_model.h"

namespace selvana::test {

// Square (0,0)-(10,10) of four boundary lines, block 0 inside.
void BuildSquareBlock();

// Ground (0,10)-(10,10)-(20,0)-(30,0) over a base at Y = -10, split by a layer boundary at Y = 0
// from X 0 to 20: block 0 the upper layer (A B C G), block 1 the lower (G C D E F).
// Point slots: A 0, B 1, C 2, D 3, E 4, F 5, G 6.
void BuildTwoLayerSlope();

// The two-layer slope with pressure water (block 2, kind 1) above the toe up to Y = 5: the
// slope line is split at I (15,5) (slot 7) and closed by I-H (30,5) (slot 8) and H-D.
void BuildSlopeWithWater();

}  // namespace selvana::test
