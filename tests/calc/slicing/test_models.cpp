// Small cross-sections built in code for the slicing tests.
#include "calc/slicing/test_models.h"

namespace selvana::test {

void BuildSquareBlock() {
  SetPoint(0, 0, 0);
  SetPoint(1, 10, 0);
  SetPoint(2, 10, 10);
  SetPoint(3, 0, 10);
  AddLine(kLineBoundary, 0, 1);
  AddLine(kLineBoundary, 1, 2);
  AddLine(kLineBoundary, 2, 3);
  AddLine(kLineBoundary, 3, 0);
  SetBlock(0, 5, 5);
}

namespace {

void AddSlopePoints() {
  SetPoint(0, 0, 10);    // A
  SetPoint(1, 10, 10);   // B
  SetPoint(2, 20, 0);    // C
  SetPoint(3, 30, 0);    // D
  SetPoint(4, 30, -10);  // E
  SetPoint(5, 0, -10);   // F
  SetPoint(6, 0, 0);     // G
}

void AddSlopeFrame() {
  AddLine(kLineBoundary, 0, 1);
  AddLine(kLineBoundary, 2, 3);
  AddLine(kLineBoundary, 3, 4);
  AddLine(kLineBoundary, 4, 5);
  AddLine(kLineBoundary, 5, 6);
  AddLine(kLineBoundary, 6, 0);
  AddLine(kLineBoundary, 6, 2);
  SetBlock(0, 3, 6);
  SetBlock(1, 15, -4);
}

}  // namespace

void BuildTwoLayerSlope() {
  AddSlopePoints();
  AddSlopeFrame();
  AddLine(kLineBoundary, 1, 2);
}

void BuildSlopeWithWater() {
  AddSlopePoints();
  AddSlopeFrame();
  SetPoint(7, 15, 5);  // I
  SetPoint(8, 30, 5);  // H
  AddLine(kLineBoundary, 1, 7);
  AddLine(kLineBoundary, 7, 2);
  AddLine(kLineBoundary, 7, 8);
  AddLine(kLineBoundary, 8, 3);
  SetBlock(2, 25, 2, kBlockPressureWater);
}

}  // namespace selvana::test
