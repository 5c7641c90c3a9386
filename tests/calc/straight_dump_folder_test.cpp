// Both straight-line searches keep their dump files in the program folder, whatever folder a
// file dialog made current: the old files are deleted there and each pass writes its file there.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "calc/fellenius_test_slopes.h"
#include "calc/progress/headless.h"
#include "calc/slicing/polygons.h"
#include "calc/straight/angle_search.h"
#include "calc/straight/endpoint_search.h"
#include "calc/straight/test_models.h"
#include "platform/file_lookup.h"
#include "platform/program_folders.h"
#include "support/reset_all.h"

namespace selvana {
namespace {

namespace fs = std::filesystem;

class StraightDumpFolder : public test::ScratchFolderTest {
 protected:
  void SetUp() override {
    test::ScratchFolderTest::SetUp();
    const std::string scratch = CurrentDirectory();
    program_ = scratch + "program/";
    data_ = scratch + "data/";
    fs::create_directories(program_);
    fs::create_directories(data_);
  }
  void TearDown() override {
    ProgramDir.clear();
    test::ScratchFolderTest::TearDown();
  }

  std::string program_, data_;
};

TEST_F(StraightDumpFolder, DumpFilesAreDeletedAndWrittenInTheProgramFolder) {
  struct Case {
    const char* name;
    bool fromPoint;
  };
  const Case cases[] = {{"method 3", true}, {"method 5", false}};
  for (const Case& k : cases) {
    test::ResetAllState();
    // One wedge each: from the toe up the mirrored slope, or from the toe to the crest.
    test::BuildHomogeneousSlope(test::Soil{}, /*mirror=*/k.fromPoint);
    if (k.fromPoint) {
      test::SetOneAngle(-10.0, 0.0, 18.43494882, /*side=*/1);
    } else {
      test::SetSegments(10, 0, 10, 0, 40, 10, 40, 10, 1.0, 1.0);
    }
    ProgramDir = program_;
    std::ofstream(program_ + "answer2.dmp") << "left by an earlier run\n";
    ASSERT_TRUE(ChangeDirectory(data_)) << k.name;  // as after opening a project there
    BuildBlockPolygons();
    HeadlessProgress progress;
    const int result =
        k.fromPoint ? SearchSlipLinesByAngle(progress) : SearchSlipLinesByEndpoints(progress);
    ASSERT_EQ(0, result) << k.name;
    ASSERT_TRUE(fs::exists(program_ + "answer1.dmp")) << k.name;
    EXPECT_GT(fs::file_size(program_ + "answer1.dmp"), 0u) << k.name;
    EXPECT_FALSE(fs::exists(program_ + "answer2.dmp")) << k.name;
    EXPECT_FALSE(fs::exists(data_ + "answer1.dmp")) << k.name;
    fs::remove(program_ + "answer1.dmp");
  }
}

}  // namespace
}  // namespace selvana
