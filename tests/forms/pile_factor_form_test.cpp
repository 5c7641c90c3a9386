// The sheet-pile and partial-factor dialogs without windows: the cleaning of the pressure rows
// (repeats, order, toe), what OK stores, and the factor files behind the import and export
// buttons.
#include "forms/pile_factor_form.h"

#include <gtest/gtest.h>

#include <functional>

#include "forms/pile_factor_imports.h"
#include "mainwin/file_commands_fakes.h"
#include "platform/program_folders.h"
#include "support/memory_grid.h"
#include "support/scripted_message_box.h"
#include "support/temp_folder.h"

namespace selvana {
namespace {

using test::MemoryGrid;

TEST(SheetPileRows, RowsAreCleanedSortedAndCutAtTheToe) {
  struct Case {
    const char* name;
    std::vector<std::pair<const char*, const char*>> rows;
    double toe;
    std::vector<CellPair> stored;
  } cases[] = {
      {"rows 5e-5 apart are one row", {{"5", "10"}, {"5.00005", "10.00005"}}, -10, {{5, 10}}},
      {"a half row is ignored", {{"5", ""}, {"3", "1"}}, -10, {{3, 1}}},
      {"bottom-up input is stored top-down",
       {{"-1", "3"}, {"4", "1"}, {"2", "2"}},
       -10,
       {{4, 1}, {2, 2}, {-1, 3}}},
      {"the first row below the toe moves up to it",
       {{"2", "10"}, {"-2", "30"}, {"-5", "40"}},
       0,
       {{2, 10}, {0, 20}, {-5, 40}}},
      {"rows all below the toe stay", {{"-1", "10"}, {"-2", "30"}}, 0, {{-1, 10}, {-2, 30}}},
      {"a step (two rows of one elevation) keeps its row order",
       {{"0", "10"}, {"0", "20"}, {"2", "0"}},
       -10,
       {{2, 0}, {0, 10}, {0, 20}}},
  };
  for (const Case& c : cases) {
    MemoryGrid grid;
    int row = 1;
    for (const auto& [elevation, intensity] : c.rows) grid.Row(row++, {elevation, intensity});
    const PileRows rows = CleanPileRows(grid, c.toe);
    ASSERT_EQ(rows.Count, static_cast<int>(c.stored.size())) << c.name;
    for (int i = 0; i < rows.Count; ++i) {
      EXPECT_DOUBLE_EQ(rows.Row[i].A, c.stored[i].A) << c.name << " row " << i;
      EXPECT_DOUBLE_EQ(rows.Row[i].B, c.stored[i].B) << c.name << " row " << i;
    }
  }
}

TEST(SheetPileRows, OkStoresEveryValueAndLeavesAnUnchangedPileUnmarked) {
  SheetPileEntries entries{2, 12.5, 3.0, -4.0, 140.0, 150.0, 0.8};
  MemoryGrid grid;
  for (int r = 1; r <= kPileGridRows; ++r) {  // a full grid: the last row is stored too
    grid.Row(r, {std::to_string(3.0 - 0.1 * r).c_str(), std::to_string(r).c_str()});
  }
  DrawSettingsRecord draw = DrawSettings;
  draw.PileLabelMode[63] = 2;
  StoreSheetPile(entries, grid, draw);
  const SheetPileSettingsRecord& pile = SheetPileSettings;
  EXPECT_EQ(pile.Mode, 2);
  EXPECT_DOUBLE_EQ(pile.EmbedmentElevation, -4.0);
  EXPECT_DOUBLE_EQ(pile.Lm1, 0.8);
  EXPECT_EQ(pile.RowCount, kMaxPileRows);
  EXPECT_NEAR(pile.Elevation[63], 3.0 - 6.4, 1e-9);
  EXPECT_EQ(DrawSettings.PileLabelMode[63], 2);
  EXPECT_EQ(DataModified, 1);

  DataModified = 0;
  CalcStatus = 1;
  MemoryGrid shown;
  FillPileRows(shown, pile);
  StoreSheetPile(entries, shown, draw);
  EXPECT_EQ(DataModified, 0);
  EXPECT_EQ(CalcStatus, 1);
}

TEST(SheetPileRows, OkRefusesAPileInUseWithItsTopNotAboveItsToe) {
  SheetPileEntries entries{1, 0.0, 2.0, 2.0};
  const std::optional<EditRefusal> refusal = RefusedPileTop(entries, "２", "2.0000");
  ASSERT_TRUE(refusal);
  EXPECT_EQ(2, refusal->edit);
  EXPECT_EQ("矢板天端高「２」が矢板根入れ高「2.0000」以下です。矢板天端高を入力し直してください。",
            refusal->message);
  entries.TopElevation = 2.0001;
  EXPECT_FALSE(RefusedPileTop(entries, "", ""));
  EXPECT_FALSE(RefusedPileTop(SheetPileEntries{}, "", ""));  // ignored, as in a new project
}

// Each refusal names its edit or row; the section area only where the mode resists by it.
TEST(SheetPileRows, OkRefusesEmptyEditsAndValuesOutOfTheirRange) {
  const struct {
    int mode, edit;
    const char* text;
    double value;
    const char* message;  // nullptr: passes
  } cases[] = {
      {2, 6, "", 0.0, "lm1「」は数値ではありません。lm1を入力し直してください。"},
      {2, 1, "1e300", 1e300,
       "矢板位置Ｘ座標値「1e300」は扱える範囲を超えた数値です。矢板位置Ｘ座標値を入力し直してくださ"
       "い。"},
      {3, 5, "-1", -1.0,
       "矢板断面積「-1」は0より大きくなければなりません。矢板断面積を入力し直してください。"},
      {2, 5, "-1", -1.0, nullptr},
  };
  using E = SheetPileEntries;
  double E::*const fields[] = {&E::PileX,          &E::TopElevation, &E::EmbedmentElevation,
                               &E::AllowableShear, &E::SectionArea,  &E::Lm1};
  for (const auto& c : cases) {
    E entries{c.mode, 0.0, 2.0, -2.0, 140.0, 150.0, 0.8};
    entries.*fields[c.edit - 1] = c.value;
    std::array<std::string, kPileEditCount> texts{"0", "2", "-2", "140", "150", "0.8"};
    texts[c.edit - 1] = c.text;
    const std::optional<EditRefusal> refusal = RefusedPileEntries(entries, texts);
    EXPECT_EQ(refusal ? refusal->message : "", c.message ? c.message : "") << c.text;
  }
  MemoryGrid factors;
  factors.Row(11, {"-0.5"});
  const std::optional<CellRefusal> refusal = RefusedFactorCell(factors);
  ASSERT_TRUE(refusal);
  EXPECT_EQ(
      refusal->Message,
      "矢板剪断耐力「-0.5」は0以上でなければなりません。矢板剪断耐力を入力し直してください。");
}

TEST(PartialFactorRows, AnEmptyCellStandsForOne) {
  PartialFactors.Factor.fill(2.0);
  PartialFactors.Factor[2] = 1.00004;  // shown as "1.0000"
  MemoryGrid grid;
  FillFactorRows(grid, PartialFactors);
  EXPECT_EQ(grid.Cell(1, 19), "2.0000");
  grid.SetCell(1, 8, "");
  grid.SetCell(1, 9, "1.25");
  grid.SetCell(1, 3, "1.0000");  // as Esc resets it: no longer the factor shown
  StoreFactorRows(grid);
  EXPECT_EQ(PartialFactors.Factor[2], 1.0);
  EXPECT_DOUBLE_EQ(PartialFactors.Factor[7], 1.0);
  EXPECT_DOUBLE_EQ(PartialFactors.Factor[8], 1.25);
  EXPECT_DOUBLE_EQ(PartialFactors.Factor[18], 2.0);
  EXPECT_DOUBLE_EQ(PartialFactors.Factor[19], 1.0) << "the unused factors become 1.0";
  EXPECT_EQ(DataModified, 1);
}

TEST(PartialFactorRows, ExportWritesOneForAnEmptyCellAndImportLeavesTheModelAlone) {
  test::TempFolder folder;
  const std::string before = CurrentDirectory();
  MemoryGrid grid;
  FillFactorRows(grid, PartialFactors);
  grid.SetCell(1, 1, "");
  grid.SetCell(1, 2, "1.5");
  PartialFactorsRecord copy;
  test::ScriptedFileDialog files;
  files.Answer(folder / "FACTORS.PAK").Answer(folder / "FACTORS.PAK");
  ExportPartialFactors(files, grid, copy);
  const std::string text = folder.Read("FACTORS.PAK");
  EXPECT_EQ(text.substr(0, 18), "1.000000\r\n1.500000");
  EXPECT_EQ(files.shown[0].request.InitialDir, ProgramDir);

  const PartialFactorsRecord model = PartialFactors;
  PartialFactorsRecord imported;
  ASSERT_TRUE(ImportPartialFactors(files, imported));
  EXPECT_DOUBLE_EQ(imported.Factor[1], 1.5);
  EXPECT_EQ(PartialFactors.Factor, model.Factor) << "the model waits for OK";
  EXPECT_EQ(DataModified, -1);
  EXPECT_EQ(CurrentDirectory(), before);
}

// A file its reader refuses reads nothing into the working copy, and the import says so: the
// dialog keeps what it showed.
TEST(PileFactorImports, AFileItsReaderRefusesIsNoImport) {
  test::TempFolder folder;
  folder.Write("P.DAT", "x\r\n-2.0\r\n");
  folder.Write("F.PAK", "x\r\n");
  const std::string dataDir = DataDir, current = CurrentDirectory();
  SheetPileSettingsRecord pile;
  DrawSettingsRecord draw;
  PartialFactorsRecord factors;
  const struct {
    const char* file;
    const char* told;
    std::function<bool(FileDialog&)> import;
  } cases[] = {
      {"P.DAT", "矢板諸元インポートファイル(P.DAT) の1行目に",
       [&](FileDialog& files) { return ImportSheetPileFile(files, pile, draw); }},
      {"F.PAK", "部分安全係数ファイル(F.PAK) の1行目に",
       [&](FileDialog& files) { return ImportPartialFactors(files, factors); }},
  };
  for (const auto& c : cases) {
    test::ScriptedMessageBox box;
    box.ExpectPrefix(c.told, "error");
    test::ScriptedFileDialog files;
    files.Answer(folder / c.file);
    EXPECT_FALSE(c.import(files)) << c.file;
  }
  EXPECT_EQ(pile.EmbedmentElevation, SheetPileSettingsRecord{}.EmbedmentElevation);
  EXPECT_EQ(factors.Factor, PartialFactorsRecord{}.Factor);
  DataDir = dataDir;
  ChangeDirectory(current);
}

}  // namespace
}  // namespace selvana
