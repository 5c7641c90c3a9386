// Small slope models built in code for the tests of the circle mechanics, search and run entry,
// with the scratch-folder fixture they run in (the searches write dump files into the current
// directory).
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "calc/test_model_builder.h"
#include "model/project_model.h"
#include "support/scratch_folder_test.h"

namespace selvana::test {

// The homogeneous slope: points (-10,0) (10,0) (30,10) (50,10) (50,-10) (-10,-10) with boundary
// lines around them, one block seeded at (20, 0) with the soil given. Mirrored in x when
// mirror is true. Returns the block slot.
int BuildHomogeneousSlope(const Soil& soil, bool mirror = false);

// SetOneCircleGrid on FelleniusCircleSettings.
void SetSingleCircle(double cx, double cy, double R);

}  // namespace selvana::test
