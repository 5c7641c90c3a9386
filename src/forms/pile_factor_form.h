// What the sheet-pile and partial-factor dialogs show and store: the earth-pressure rows of the
// sheet pile (cleaned, sorted from the top down and cut at the pile toe) and the partial
// factors, as plain functions over a TableGrid, tested without windows.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "forms/edit_refusal.h"
#include "forms/table_editor_form.h"
#include "forms/table_grid.h"
#include "model/project_model.h"

namespace selvana {

// Data rows of the sheet-pile grid: every row the record holds.
inline constexpr int kPileGridRows = kMaxPileRows;
// Factor rows of the partial-factor grid: the factors the calculation uses.
inline constexpr int kFactorGridRows = 19;

// Pressure rows below pile.RowCount as "%10.4f" elevation and intensity; other rows empty.
void FillPileRows(TableGrid& grid, const SheetPileSettingsRecord& pile);

// The pressure table as OK stores it: complete rows without those within kSameRowTolerance of
// an earlier one, sorted by elevation from the top down, and the first row below the toe moved
// up to the toe along the line from the row above it.
struct PileRows {
  std::array<CellPair, kPileGridRows> Row{};  // A elevation, B intensity
  int Count = 0;
};
PileRows CleanPileRows(const TableGrid& grid, double toe);

// What the sheet-pile dialog's controls hold besides the grid.
struct SheetPileEntries {
  int Mode = 0;
  double PileX = 0.0;
  double TopElevation = 0.0;
  double EmbedmentElevation = 0.0;
  double AllowableShear = 0.0;
  double SectionArea = 0.0;
  double Lm1 = 0.0;
};

// OK's refusal of a pile in use (a mode other than 0) whose top stands at or below its toe:
// Edit2 (the top), named with the texts of Edit2 and Edit3 as typed. Nothing otherwise.
std::optional<EditRefusal> RefusedPileTop(const SheetPileEntries& entries, std::string_view top,
                                          std::string_view toe);

// The sheet-pile dialog's edits Edit1..Edit6 by their captions, as its refusals name them.
inline constexpr int kPileEditCount = 6;
inline constexpr std::array<const char*, kPileEditCount> kPileEditLabels = {
    "矢板位置Ｘ座標値", "矢板天端高", "矢板根入れ高", "せん断許容応力度", "矢板断面積", "lm1"};

// OK's refusal of the sheet-pile dialog's edits (texts as typed, Edit1 first): the first, in
// their order, that is empty (named), holds no number (TypedTextRefusal) or a number beyond
// CoordinateInRange (named); then, under mode 3, which resists by the section's shear, a
// section area not above 0 (named); then RefusedPileTop. Nothing when all pass.
std::optional<EditRefusal> RefusedPileEntries(const SheetPileEntries& entries,
                                              const std::array<std::string, kPileEditCount>& texts);

// OK's refusal of a pressure cell that holds a number beyond CoordinateInRange, row by row.
std::optional<CellRefusal> RefusedPileCell(const TableGrid& grid);

// The sheet-pile dialog's OK: mode and values, then the cleaned rows (cut at the toe just
// stored) with every entry beyond them zeroed; each change marks the project modified. The
// label placements of the pressure rows are taken from draw without marking.
void StoreSheetPile(const SheetPileEntries& entries, const TableGrid& grid,
                    const DrawSettingsRecord& draw);

// The names of factors 0..18 as the partial-factor grid shows them in its rows 1..19.
extern const std::array<const char*, kFactorGridRows> kFactorRowNames;

// OK's (and the export's) refusal of a factor cell, named by its row: a negative factor, or one
// beyond CoordinateInRange. Nothing when every cell passes (an empty cell stands for 1.0).
std::optional<CellRefusal> RefusedFactorCell(const TableGrid& grid);

// Factors 0..18 shown as "%5.4f" in grid rows 1..19 (ShowCellNumber).
void FillFactorRows(TableGrid& grid, const PartialFactorsRecord& factors);
// All 32 factors as the grid gives them: the number of every cell that holds one (CellNumber),
// 1.0 elsewhere (the dialog refuses a cell that holds text but no number before reading).
std::array<double, kPartialFactorCount> FactorsFromRows(const TableGrid& grid);
// The partial-factor dialog's OK: all 32 factors from the grid; each change marks the project.
void StoreFactorRows(const TableGrid& grid);

}  // namespace selvana
