// The slope models and the scratch-folder fixture of the circle calculation tests.
#include "fellenius_test_slopes.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/file_lookup.h"

namespace selvana::test {

int AddTestPoint(double x, double y) {
  const int slot = PointCount++;
  PointTable[slot] = {slot, x, y};
  return slot;
}

int AddTestLine(int kind, int p1, int p2) {
  const int slot = LineCount++;
  LineTable[slot] = {kind, std::min(p1, p2), std::max(p1, p2), 1};
  return slot;
}

void AddBoundaryChain(std::initializer_list<int> points) {
  const int* p = points.begin();
  const int n = static_cast<int>(points.size());
  for (int i = 0; i < n; ++i) AddTestLine(kLineBoundary, p[i], p[(i + 1) % n]);
}

int AddTestBlock(double x, double y, const Soil& soil) {
  const int slot = BlockCount++;
  BlockRecord& b = BlockTable[slot];
  b = BlockRecord{};
  b.Number = slot;
  b.SeedX = x;
  b.SeedY = y;
  b.UnitWeight = soil.gammaT;
  b.EffectiveUnitWeight = soil.gammaE;
  b.Cohesion = soil.c0;
  b.CohesionGradient = soil.k;
  b.FrictionAngle = soil.phi;
  b.Kind = soil.kind;
  b.FactorClass = 1;
  return slot;
}

int BuildHomogeneousSlope(const Soil& soil, bool mirror) {
  const double s = mirror ? -1.0 : 1.0;
  AddBoundaryChain({AddTestPoint(s * -10, 0), AddTestPoint(s * 10, 0), AddTestPoint(s * 30, 10),
                    AddTestPoint(s * 50, 10), AddTestPoint(s * 50, -10),
                    AddTestPoint(s * -10, -10)});
  return AddTestBlock(s * 20, 0, soil);
}

void SetSingleCircle(double cx, double cy, double R) {
  CircleSearchSettings& c = FelleniusCircleSettings;
  c.CentreX = {cx, cx, 1.0, 0.0};
  c.CentreY = {cy, cy, 1.0, 0.0};
  c.Radius = {R, R, 1.0, 0.0};
  c.HighestGridOrder = 1;
  c.ExtendFirstGrid = 2;
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
