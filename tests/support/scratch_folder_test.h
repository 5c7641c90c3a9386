// A test fixture that runs each test inside its own empty temporary folder (the current
// directory stands for the program folder there) and returns to the previous folder afterwards.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "support/temp_folder.h"

namespace selvana::test {

class ScratchFolderTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // True when the file exists in the scratch folder.
  bool HasFile(const std::string& name) const { return folder_.Has(name); }
  // The whole text of a file in the scratch folder.
  std::string ReadFile(const std::string& name) const { return folder_.Read(name); }

 private:
  std::string previous_;
  TempFolder folder_;
};

// The same, with the scratch folder as the program folder (ProgramDir) for the test's length.
class ProgramFolderTest : public ScratchFolderTest {
 protected:
  void SetUp() override;
  void TearDown() override;

 private:
  std::string savedProgramDir_;
};

}  // namespace selvana::test
