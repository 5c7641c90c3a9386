// The slope models and the scratch-folder fixture of the circle calculation tests.
#include "fellenius_test_slopes.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/file_lookup.h"

namespace selvana::test {

int BuildHomogeneousSlope(const Soil& soil, bool mirror) {
  const double s = mirror ? -1.0 : 1.0;
  AddBoundaryChain({AddTestPoint(s * -10, 0), AddTestPoint(s * 10, 0), AddTestPoint(s * 30, 10),
                    AddTestPoint(s * 50, 10), AddTestPoint(s * 50, -10),
                    AddTestPoint(s * -10, -10)});
  return AddTestBlock(s * 20, 0, soil);
}

void SetSingleCircle(double cx, double cy, double R) {
  SetOneCircleGrid(FelleniusCircleSettings, cx, cy, R);
}

void ScratchFolderTest::SetUp() {
  previous_ = CurrentDirectory();
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                 (std::string("selvana_") + info->test_suite_name() + "_" +
                                  info->name() + "_" + std::to_string(::getpid()));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  folder_ = folder.string();
  ASSERT_TRUE(ChangeDirectory(folder_));
}

void ScratchFolderTest::TearDown() {
  ChangeDirectory(previous_);
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

bool ScratchFolderTest::HasFile(const std::string& name) const {
  return std::filesystem::exists(std::filesystem::path(folder_) / name);
}

std::string ScratchFolderTest::ReadFile(const std::string& name) const {
  std::ifstream in(std::filesystem::path(folder_) / name, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace selvana::test
