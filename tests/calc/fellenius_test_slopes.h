// Small slope models built in code for the tests of the circle mechanics, search and run entry,
// and a fixture that runs each test in a fresh scratch folder (the searches write dump files
// into the current directory).
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "model/project_model.h"
#include "test_model_builder.h"

namespace selvana::test {

// The homogeneous slope: points (-10,0) (10,0) (30,10) (50,10) (50,-10) (-10,-10) with boundary
// lines around them, one block seeded at (20, 0) with the soil given. Mirrored in x when
// mirror is true. Returns the block slot.
int BuildHomogeneousSlope(const Soil& soil, bool mirror = false);

// SetOneCircleGrid on FelleniusCircleSettings.
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
