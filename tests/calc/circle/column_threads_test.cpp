// The threaded circle walk over columns long enough for several batches each: the search
// threads go on to the next batch while the last circles of one are still being cut, and a
// thread may fall behind by more than a batch. Whatever the thread count, the stored records,
// the minimum and the dump file must be those of the one-thread walk.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "calc/circle/fellenius_search.h"
#include "calc/circle/search_threads.h"
#include "calc/fellenius_test_slopes.h"
#include "calc/progress/headless.h"
#include "calc/results/slip_result.h"
#include "calc/run_data.h"
#include "calc/slicing/polygons.h"

namespace selvana {
namespace {

using Stored = std::tuple<double, double, double, double, double, double, double, double>;

struct SearchOutcome {
  std::vector<Stored> records;
  double minimum = 0.0;
  std::string dump;
};

class ColumnThreads : public test::ScratchFolderTest {
 protected:
  SearchOutcome SearchOn(int threads) {
    ResetCalcRunData();
    BuildBlockPolygons();
    SetSearchThreadCount(threads);
    HeadlessProgress progress;
    EXPECT_EQ(0, SearchCirclesFellenius(progress));
    SetSearchThreadCount(0);
    SearchOutcome out;
    for (int i = 0; i < SlipResultCount[0]; ++i) {
      const SlipResult& r = SlipResultTable[0][static_cast<std::size_t>(i)];
      out.records.emplace_back(r.cx, r.cy, r.rr, r.sx, r.ex, r.mr, r.md, r.f);
    }
    out.minimum = MinSlip.F;
    out.dump = ReadFile("answer1.dmp");
    return out;
  }
};

TEST_F(ColumnThreads, ManyBatchesPerColumnStoreWhatOneThreadStores) {
  test::BuildHomogeneousSlope(test::Soil{});
  // Three columns of eleven centres with 100 radii each: 1 100 circles, three batches a column.
  CircleSearchSettings& s = FelleniusCircleSettings;
  test::SetOneCircleGrid(s, 0.0, 0.0, 0.0);  // one grid order, no extension
  s.CentreX = {10.0, 30.0, 10.0, 0.0};
  s.CentreY = {20.0, 30.0, 1.0, 0.0};
  s.Radius = {10.0, 30.0, 0.2, 0.0};
  cm.SliceWidth = 1.0;
  const SearchOutcome one = SearchOn(1);
  ASSERT_GT(one.records.size(), 1500u);
  for (const int threads : {2, 7, 16}) {
    const SearchOutcome many = SearchOn(threads);
    EXPECT_EQ(one.records, many.records) << threads << " threads";
    EXPECT_EQ(one.minimum, many.minimum) << threads << " threads";
    EXPECT_EQ(one.dump, many.dump) << threads << " threads";
  }
}

}  // namespace
}  // namespace selvana
