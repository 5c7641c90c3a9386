// The pieces every calculation test builds its model from: points, lines, boundary chains,
// blocks with their soil, rectangular blocks with a ready polygon, a one-circle search grid and
// a test sheet pile.
#pragma once

#include <initializer_list>

#include "model/project_model.h"

namespace selvana::test {

// Appending pieces: each takes the next slot of its table.

// Appends a point and returns its slot.
int AddTestPoint(double x, double y);
// Appends a line of the kind between two point slots and returns its slot.
int AddTestLine(int kind, int p1, int p2);
// Boundary lines around the closed chain of point slots (the last joined to the first).
void AddBoundaryChain(std::initializer_list<int> points);

struct Soil {
  double gammaT = 18.0;
  double gammaE = 18.0;
  double c0 = 10.0;
  double phi = 20.0;
  double k = 0.0;
  int kind = kBlockSoil;
};
// Appends a block seeded at (x, y) and returns its slot.
int AddTestBlock(double x, double y, const Soil& soil);

// Pieces at given slots, for tests that place them: only the fields named are set.

// Puts point slot `slot` at (x, y) and raises PointCount over it.
void SetPoint(int slot, double x, double y);
// Adds a line of the kind between two point slots through the model's AddLineRecord, which
// checks it (the test fails when it is refused).
void AddLine(int kind, int p1, int p2);
// Makes block slot `slot` a used block of the kind with its seed at (x, y).
void SetBlock(int slot, double seedX, double seedY, int kind = kBlockSoil);

// Appends a block of the kind and unit weight gamma (γt; γ' stays the Soil default) whose
// polygon is the rectangle x0..x1, y0..y1, written straight into BlockPolygonLists without
// boundary lines. Returns its slot.
int AddRectangleBlock(double x0, double x1, double y0, double y1, int kind, double gamma = 10.0);

// A one-centre grid at (cx, cy) (the search shifts it by 1e-5) with the single radius R, one
// grid order, no extension.
void SetOneCircleGrid(CircleSearchSettings& settings, double cx, double cy, double R);

// A sheet pile of the mode at pileX from +5 down to -5: allowable shear 1000 N/cm2 on
// 100 cm2/m, passive pressure 0, 50, 100 kN/m2 at +5, 0, -5, and Lm1 4 m.
void SetTestSheetPile(int mode, double pileX);

}  // namespace selvana::test
