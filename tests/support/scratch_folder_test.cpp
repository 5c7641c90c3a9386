// Entering and leaving the scratch folder of a test.
#include "support/scratch_folder_test.h"

#include "platform/file_lookup.h"
#include "platform/program_folders.h"

namespace selvana::test {

void ScratchFolderTest::SetUp() {
  previous_ = CurrentDirectory();
  ASSERT_FALSE(folder_.path().empty()) << "no temporary folder could be made";
  ASSERT_TRUE(ChangeDirectory(folder_.path()));
}

void ScratchFolderTest::TearDown() { ChangeDirectory(previous_); }

void ProgramFolderTest::SetUp() {
  ScratchFolderTest::SetUp();
  savedProgramDir_ = ProgramDir;
  ProgramDir = CurrentDirectory();
}

void ProgramFolderTest::TearDown() {
  ProgramDir = savedProgramDir_;
  ScratchFolderTest::TearDown();
}

}  // namespace selvana::test
