// Small slope models built in code for the tests of the circle mechanics, search and run entry,
// and a fixture that runs each test in a fresh scratch folder (the searches write dump files
// into the current directory).
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "model/project_model.h"

namespace selvana::test {

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

// The homogeneous slope: points (-10,0) (10,0) (30,10) (50,10) (50,-10) (-10,-10) with boundary
// lines around them, one block seeded at (20, 0) with the soil given. Mirrored in x when
// mirror is true. Returns the block slot.
int BuildHomogeneousSlope(const Soil& soil, bool mirror = false);

// A one-centre grid at (cx, cy) (the search shifts it by 1e-5) with the single radius R, one
// grid order, no extension.
void SetSingleCircle(double cx, double cy, double R);

// Runs each test in its own empty folder under the system's temporary folder and returns to the
// previous folder afterwards.
class ScratchFolderTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // True when the file exists in the scratch folder.
  bool HasFile(const std::string& name) const;
  // The whole text of a file in the scratch folder.
  std::string ReadFile(const std::string& name) const;

 private:
  std::string previous_;
  std::string folder_;
};

}  // namespace selvana::test
