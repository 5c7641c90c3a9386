// The point, line and cohesion-line table editors without windows: what opening shows and what
// OK stores (freed slots, refused coincident points, swapped line ends, sorted vertices).
#include "forms/table_editor_form.h"

#include <gtest/gtest.h>

#include "calc/test_model_builder.h"
#include "model/project_file.h"
#include "platform/number_format.h"
#include "support/memory_grid.h"
#include "support/scratch_folder_test.h"
#include "support/scripted_message_box.h"

namespace selvana {
namespace {

using test::MemoryGrid;
using test::SetPoint;

void Line(int i, int kind, int p1, int p2, int drawFlag = 1) {
  LineTable[i] = {kind, p1, p2, drawFlag};
  LineCount = std::max(LineCount, i + 1);
}

TEST(PointTableRows, AHalfRowFreesItsSlotAndTheLinesOnIt) {
  SetPoint(0, 0.0, 0.0);
  SetPoint(1, 10.0, 0.0);
  SetPoint(2, 10.0, 5.0);
  Line(0, kLineBoundary, 0, 1);
  Line(1, kLineResidualWater, 0, 2);
  Line(2, kLineUncut, 0, 2);
  DataModified = 0;
  MemoryGrid grid;
  FillPointRows(grid);
  grid.SetCell(2, 2, "");  // point 1 keeps only its X
  grid.Row(5, {"3.0", "4.0"});
  ASSERT_TRUE(StorePointRows(grid));
  EXPECT_EQ(PointTable[1].Id, -1);
  EXPECT_EQ(PointTable[4].Id, 4);
  EXPECT_EQ(PointTable[3].Id, -1) << "free slots below the count stay free";
  EXPECT_EQ(PointCount, 5);
  EXPECT_EQ(LineTable[0].Kind, kLineFree);
  EXPECT_EQ(LineTable[1].Kind, kLineResidualWater);
  EXPECT_EQ(LineTable[2].Kind, kLineUncut);
  EXPECT_EQ(DataModified, 1);
}

TEST(PointTableRows, CoincidentRowsAreRefusedAndNothingIsStored) {
  struct Case {
    const char* name;
    const char* x;
    const char* y;
    bool refused;
  } cases[] = {
      {"5e-5 apart in both", "10.00005", "20.00005", true},
      {"1e-4 apart in X", "10.0001", "20.0", false},
      {"1e-4 apart in Y", "10.0", "19.9999", false},
  };
  for (const Case& c : cases) {
    PointCount = 0;
    PointTable.fill({});
    MemoryGrid grid;
    grid.Row(4, {"10.0", "20.0"}).Row(1024, {c.x, c.y});  // slot 3 and the last slot
    test::ScriptedMessageBox box;
    // A plain message box: captioned with the program's title.
    if (c.refused) box.Expect("エラー：点の重複があります！！　No3- No1023", "Selvana for Windows");
    EXPECT_EQ(StorePointRows(grid), !c.refused) << c.name;
    EXPECT_EQ(PointCount, c.refused ? 0 : 1024) << c.name;
  }
}

TEST(PointTableRows, OkOnAnUnchangedGridMarksNothing) {
  SetPoint(0, 40.004819, -9.990361);  // where a click put it: finer than the grid shows
  SetPoint(7, 100.0, 50.0);
  Line(0, kLineBoundary, 0, 3);  // slot 3 was free before
  DataModified = 0;
  CalcStatus = 1;
  MemoryGrid grid;
  FillPointRows(grid);
  EXPECT_EQ(grid.Cell(1, 1), "   40.0048");
  ASSERT_TRUE(StorePointRows(grid));
  EXPECT_EQ(PointTable[0].X, 40.004819);
  EXPECT_EQ(PointTable[0].Y, -9.990361);
  EXPECT_EQ(LineTable[0].Kind, kLineFree);
  EXPECT_EQ(DataModified, 0);
  EXPECT_EQ(CalcStatus, 1);
  grid.SetCell(2, 8, "50.12345");  // typed: stored as typed
  ASSERT_TRUE(StorePointRows(grid));
  EXPECT_EQ(PointTable[7].Y, 50.12345);
  EXPECT_EQ(PointTable[0].X, 40.004819);
  EXPECT_EQ(DataModified, 1);
}

TEST(PointTableRows, ACoordinateBeyondTheModelsRangeIsRefused) {
  MemoryGrid grid;
  grid.Row(3, {"-9e12", "1"}).Row(8, {"0", "１e13"});
  const std::optional<CellRefusal> refusal = RefusedPointCell(grid);
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->Message,
            "点No7のＹ (m)「１e13」では座標が扱える範囲を超えてしまいます。点No7のＹ "
            "(m)を入力し直してください。");
  EXPECT_EQ(refusal->Cell.Col * 100 + refusal->Cell.Row, 208);
}

class FullPointTable : public test::ScratchFolderTest {};

TEST_F(FullPointTable, EveryPointSurvivesTheTableAndASave) {
  for (int i = 0; i < kMaxPoints; ++i) SetPoint(i, i * 0.5, i % 7 + 1e-6 * i);
  Line(0, kLineBoundary, 1022, 1023);
  ASSERT_EQ(WriteProjectFile("FULL"), kWriteOk);
  const std::string saved = ReadFile("FULL.SDW");
  MemoryGrid grid;
  FillPointRows(grid);
  ASSERT_TRUE(StorePointRows(grid));
  ASSERT_EQ(WriteProjectFile("FULL"), kWriteOk);
  EXPECT_EQ(ReadFile("FULL.SDW"), saved) << "the untouched table changed the file";
  ResetProjectData();
  ASSERT_EQ(ReadProjectFile("FULL"), kReadOk);
  EXPECT_EQ(PointCount, kMaxPoints);
  EXPECT_EQ(PointTable[1023].Id, 1023);
  EXPECT_DOUBLE_EQ(PointTable[1023].X, 511.5);
  EXPECT_EQ(LineTable[0].Kind, kLineBoundary);
}

TEST(LineTableRows, RowsAreStoredCleanedOrFreed) {
  struct Case {
    const char* name;
    std::initializer_list<const char*> cells;
    int kind, p1, p2;
  } cases[] = {
      {"ends in descending order are swapped", {"1", "9", "4"}, kLineBoundary, 4, 9},
      {"kind 0 is stored", {"0", "1", "2"}, 0, 1, 2},
      {"kind 8 frees the row", {"8", "1", "2"}, kLineFree, 0, 0},
      {"a negative kind frees the row", {"-1", "1", "2"}, kLineFree, 0, 0},
      {"an empty cell frees the row", {"1", "1", ""}, kLineFree, 0, 0},
      {"an end beyond the point table frees the row", {"2", "3", "1024"}, kLineFree, 0, 0},
      {"an end below zero frees the row", {"2", "-1", "3"}, kLineFree, 0, 0},
      {"ends with an exponent are the whole numbers", {"1", "1e1", "2.5e1"}, kLineBoundary, 10, 25},
  };
  for (const Case& c : cases) {
    LineTable.fill({});
    LineCount = 0;
    MemoryGrid grid;
    grid.Row(6, c.cells);
    StoreLineRows(grid);
    const LineRecord& line = LineTable[5];
    EXPECT_EQ(line.Kind, c.kind) << c.name;
    EXPECT_EQ(LineCount, c.kind == kLineFree ? 0 : 6) << c.name;
    if (c.kind == kLineFree) continue;
    EXPECT_EQ(line.P1, c.p1) << c.name;
    EXPECT_EQ(line.P2, c.p2) << c.name;
    EXPECT_EQ(line.DrawFlag, 1) << c.name;
  }
}

TEST(LineTableRows, RowsBreakingTheLineRulesAreRefused) {
  const char* kRepeat =
      "線分No4は線分No0と同じ種類・同じ２点の線分です。線分No4を入力し直してください。";
  struct Case {
    std::initializer_list<const char*> row5;
    const char* message;  // empty: taken
    int col;
  } cases[] = {
      {{"1", "3", "99"},
       "線分No4の終点No「99」は使われている点ではありません。終点Noを入力し直してください。",
       3},
      {{"1", "0", "1"},
       "線分No4の始点No「0」は使われている点ではありません。始点Noを入力し直してください。",
       2},
      {{"1", "2", "1"}, kRepeat, 1},  // line 0 reversed
      {{"1", "1", "2"}, kRepeat, 1},
      {{"7", "1", "1"},
       "線分No4の始点と終点が同じです。種類7の線分には異なる２点が必要です。終点Noを入力し直してく"
       "ださい。",
       3},
      {{"5", "1", "1"}, "", 0},
      {{"2", "2", "1"}, "", 0},
      {{"8", "1", "99"}, "", 0},  // a row that frees its slot is not a line
  };
  for (int p = 1; p <= 3; ++p) SetPoint(p, p, 0.0);  // slot 0 is free
  for (const Case& c : cases) {
    MemoryGrid grid;
    grid.Row(1, {"1", "1", "2"}).Row(5, c.row5);
    const std::optional<CellRefusal> refusal = RefusedLineRow(grid);
    EXPECT_EQ(refusal ? refusal->Message : "", c.message);
    EXPECT_EQ(refusal ? refusal->Cell.Col * 100 + refusal->Cell.Row : 0,
              c.col ? c.col * 100 + 5 : 0);
  }
}

TEST(LineTableRows, KindZeroIsNotListedAgainAndAnUnchangedTableMarksNothing) {
  Line(0, 0, 1, 2);
  Line(1, kLineResidualWater, 3, 4);
  Line(1023, kLineBoundary, 5, 6, -1);
  DataModified = 0;
  MemoryGrid grid;
  FillLineRows(grid);
  EXPECT_EQ(grid.Cell(1, 1), "");
  EXPECT_EQ(grid.Cell(1, 2), "   7");
  EXPECT_EQ(grid.Cell(3, 1024), "       6");
  grid.Row(1, {"0", "1", "2"});  // kind 0 typed again
  StoreLineRows(grid);
  EXPECT_EQ(DataModified, 0);
  EXPECT_EQ(LineTable[1].Kind, kLineResidualWater);
  EXPECT_EQ(LineTable[1023].DrawFlag, 1) << "a line hidden from the figure is shown again";
  EXPECT_EQ(LineCount, 1024);
}

TEST(CohesionTableRows, VerticesAreSortedByXWithRepeatsDropped) {
  MemoryGrid grid;
  grid.Row(1, {"30", "1"}).Row(2, {"10", "2"}).Row(3, {"20", "5"});
  grid.Row(4, {"10.00005", "2.00005"});  // repeats row 2
  grid.Row(5, {"20", "6"});              // same X as row 3, kept after it
  grid.Row(6, {"", "9"});
  grid.Row(64, {"40", "0"});  // the last row counts too
  cm.CohesionRefLine.X[63] = 99.0;
  StoreCohesionRows(grid);
  const CohesionRefLineRecord& line = cm.CohesionRefLine;
  ASSERT_EQ(line.Count, 5);
  const double xs[] = {10, 20, 20, 30, 40}, ys[] = {2, 5, 6, 1, 0};
  for (int i = 0; i < 5; ++i) {
    EXPECT_DOUBLE_EQ(line.X[i], xs[i]) << i;
    EXPECT_DOUBLE_EQ(line.Y[i], ys[i]) << i;
  }
  EXPECT_EQ(line.X[63], 0.0);
  EXPECT_EQ(DataModified, 1);

  DataModified = 0;
  cm.CohesionRefLine.Y[1] = 5.0000123;  // finer than the grid shows
  MemoryGrid shown;
  FillCohesionRows(shown);
  StoreCohesionRows(shown);
  EXPECT_EQ(DataModified, 0) << "a sorted table stored again changes nothing";
  shown.SetCell(1, 1, "25");  // vertex 0 moves behind the two of X 20
  StoreCohesionRows(shown);
  EXPECT_EQ(line.Y[0], 5.0000123) << "an untouched row carries its value to its new slot";
  StoreCohesionRows(MemoryGrid());
  EXPECT_EQ(line.Count, 0);
  EXPECT_EQ(line.X[0], 0.0);
}

TEST(CohesionTableRows, VerticesOfEqualXKeepTheirRowOrder) {
  struct Case {
    const char* name;
    std::vector<CellPair> rows;
    std::vector<CellPair> stored;
  } cases[] = {
      {"a step between rows moved past it",
       {{30, 1}, {20, 5}, {20, 6}, {10, 2}},
       {{10, 2}, {20, 5}, {20, 6}, {30, 1}}},
      {"three of one X behind the smallest",
       {{5, 3}, {5, 1}, {5, 2}, {0, 0}},
       {{0, 0}, {5, 3}, {5, 1}, {5, 2}}},
  };
  for (const Case& c : cases) {
    MemoryGrid grid;
    int row = 1;
    for (const CellPair& v : c.rows) {
      grid.Row(row++, {StrFormat("%g", v.A).c_str(), StrFormat("%g", v.B).c_str()});
    }
    StoreCohesionRows(grid);
    const CohesionRefLineRecord& line = cm.CohesionRefLine;
    ASSERT_EQ(line.Count, static_cast<int>(c.stored.size())) << c.name;
    for (int i = 0; i < line.Count; ++i) {
      EXPECT_EQ(line.X[i], c.stored[i].A) << c.name << " vertex " << i;
      EXPECT_EQ(line.Y[i], c.stored[i].B) << c.name << " vertex " << i;
    }
  }
}

}  // namespace
}  // namespace selvana
