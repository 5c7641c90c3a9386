// The slopes and the circle grid the search benchmarks share: a homogeneous slope, the same slope
// layered with a pond and loads, and 21 x 21 centres with 21 radii for the circle searches.
#pragma once

#include "model/project_model.h"

namespace selvana::bench {

// Appends a point to the model and returns its slot.
int AddPoint(double x, double y);

// Resets the project and builds a 10 m high slope rising to the right from its toe at (10, 0) to
// its crest at (30, 10), ground 20 m deep, one soil (18 kN/m3, c 10 kN/m2, phi 20 degrees).
// Slices of 0.1 m.
void BuildHomogeneousSlope();

// Resets the project and builds the same slope on a soft layer below y = 0, with a pond at its
// toe up to y = 3, a surcharge of 10..20 kN/m2 over x 35..45 on the crest, a horizontal force of
// 5 kN/m (at height 8 m for the circles, in the slice at x = 40 for the straight lines) and a
// seismic coefficient of 0.1. Slices of 0.1 m.
void BuildLayeredSlope();

// Resets the project and builds the ACADS 1(a) slope: toe (30, 25), crest (50, 35), ground down
// to y = 20 over x 20..70 and no circle below it, one dry soil (20 kN/m3, c' 3 kN/m2, phi' 19.6
// degrees), slices of 0.1 m.
void BuildAcadsSlope();

// A slope builder, handed to the search runner.
using SlopeBuilder = void (*)();

// 21 x 21 centres over (10..30, 20..40) and 21 radii from 20 to 30 m, one grid order, the first
// grid not extended.
void SetCircleGrid(CircleSearchSettings& settings);

// The ACADS 1(a) grid: 21 x 21 centres over (30..50, 35..55), 61 radii from 5 to 35 m, three
// grid orders, the first grid extended while its minimum lies on its border.
void SetAcadsCircleGrid(CircleSearchSettings& settings);

}  // namespace selvana::bench
