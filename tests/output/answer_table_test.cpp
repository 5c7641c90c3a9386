// The result window's table: which orders get a tab, where each centre lands, the "no result"
// cells and which cell is the minimum.
#include "output/answer_table.h"

#include <gtest/gtest.h>

#include "output/output_test_support.h"
#include "output/result_matrix.h"

namespace selvana {
namespace {

using test::AddSlip;
using Rows = std::vector<std::vector<std::string>>;

void Add(int order, double cx, double cy, double f) {
  AddSlip(order, {cx, cy, 5, 0, 0, 0, 0, 0, f});
}

TEST(AnswerTable, OnlyOrdersWithRecordsGetATab) {
  Add(2, 1, 1, 1.0);
  Add(4, 1, 1, 1.0);
  EXPECT_EQ(OrdersWithResults(), (std::vector<int>{2, 4}));
}

TEST(AnswerTable, ColumnsAsFirstMetRowsFromTheTopAndTheFirstSmallestInRed) {
  Add(1, 12, 20, 1.9996);  // judged at 4 decimals: cut to 3, never rounded up
  Add(1, 10, 20, 1.5);
  Add(1, 10, 22, 1.2);
  Add(1, 10 + 5e-8, 22, 1.25);  // within 1e-7: the same centre
  Add(1, 10, 20, 1.4);          // a smaller value at a centre already seen
  Add(1, 14, 18, 1.2);          // as small as the minimum, but read later
  Add(1, 14, 22, 99999.0);      // the largest value still shown
  const AnswerTable table = BuildAnswerTable(1);
  EXPECT_EQ(table.Cells, (Rows{{"Ｙ＼Ｘ", "12.000", "10.000", "14.000"},
                               {"22.000", "－－－", "1.200", "99999.000"},
                               {"20.000", "1.999", "1.400", "－－－"},
                               {"18.000", "－－－", "－－－", "1.200"}}));
  EXPECT_EQ(table.MinimumColumn, 1);
  EXPECT_EQ(table.MinimumRow, 0);  // the row of Y 22, moved to the top by the sort
  EXPECT_TRUE(table.IsMinimumCell(1, 2));
  EXPECT_FALSE(table.IsMinimumCell(3, 3));
  EXPECT_DOUBLE_EQ(MinimumResult.f, 1.2);
}

TEST(AnswerTable, EachOrderShowsItsOwnRecordsAndAnEmptyOrderNone) {
  Add(1, 1, 1, 1.1);
  Add(3, 7, 8, 3.3);
  BuildAnswerTable(1);
  const AnswerTable third = BuildAnswerTable(3);
  EXPECT_EQ(third.Cells, (Rows{{"Ｙ＼Ｘ", "7.000"}, {"8.000", "3.300"}}));
  const AnswerTable empty = BuildAnswerTable(2);
  EXPECT_EQ(empty.Cells, (Rows{{"Ｙ＼Ｘ"}}));
  EXPECT_EQ(empty.MinimumRow, -1);
  EXPECT_FALSE(empty.IsMinimumCell(1, 1));
}

}  // namespace
}  // namespace selvana
