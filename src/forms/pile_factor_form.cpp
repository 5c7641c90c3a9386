// The sheet-pile pressure rows and the partial factors between their dialogs' grids and the model.
#include "forms/pile_factor_form.h"

#include <span>

#include "calc/sheet_pile_check.h"
#include "model/set_if_changed.h"

namespace selvana {
namespace {

// Walking down, the first row below the toe under a row that is not becomes the point at the
// toe; rows further down stay.
void CutAtToe(PileRows& rows, double toe) {
  for (int k = 1; k < rows.Count; ++k) {
    const CellPair& above = rows.Row[k - 1];
    if (above.A < toe) return;
    CellPair& row = rows.Row[k];
    if (row.A < toe) {
      row.B = above.B + (toe - above.A) * (row.B - above.B) / (row.A - above.A);
      row.A = toe;
      return;
    }
  }
}

}  // namespace

void FillPileRows(TableGrid& grid, const SheetPileSettingsRecord& pile) {
  for (int i = 0; i < kPileGridRows; ++i) {
    if (i < pile.RowCount) {
      ShowCellPair(grid, i + 1, pile.Elevation[i], pile.Intensity[i]);
    } else {
      ClearCells(grid, i + 1, 1, 2);
    }
  }
}

PileRows CleanPileRows(const TableGrid& grid, double toe) {
  PileRows rows;
  rows.Count = CollectDistinctPairs(grid, rows.Row);
  SortPairsByFirst(std::span(rows.Row).first(rows.Count), PairOrder::LargestFirst);
  CutAtToe(rows, toe);
  return rows;
}

std::optional<EditRefusal> RefusedPileTop(const SheetPileEntries& entries, std::string_view top,
                                          std::string_view toe) {
  if (!SheetPileModeSet(entries.Mode)) return std::nullopt;
  if (entries.TopElevation > entries.EmbedmentElevation) return std::nullopt;
  return EditRefusal{2, PileTopNotAboveToeMessage(top, toe)};
}

void StoreSheetPile(const SheetPileEntries& entries, const TableGrid& grid,
                    const DrawSettingsRecord& draw) {
  SheetPileSettingsRecord& pile = SheetPileSettings;
  MarkStored(SetIntIfChanged(pile.Mode, entries.Mode));
  MarkStored(SetDoubleIfChanged(pile.PileX, entries.PileX));
  MarkStored(SetDoubleIfChanged(pile.TopElevation, entries.TopElevation));
  MarkStored(SetDoubleIfChanged(pile.EmbedmentElevation, entries.EmbedmentElevation));
  MarkStored(SetDoubleIfChanged(pile.AllowableShear, entries.AllowableShear));
  MarkStored(SetDoubleIfChanged(pile.SectionArea, entries.SectionArea));
  MarkStored(SetDoubleIfChanged(pile.Lm1, entries.Lm1));
  const PileRows rows = CleanPileRows(grid, pile.EmbedmentElevation);
  MarkStored(SetIntIfChanged(pile.RowCount, rows.Count));
  for (int i = 0; i < kMaxPileRows; ++i) {
    const CellPair row = i < rows.Count ? rows.Row[i] : CellPair{};
    MarkStored(SetDoubleIfChanged(pile.Elevation[i], row.A));
    MarkStored(SetDoubleIfChanged(pile.Intensity[i], row.B));
  }
  DrawSettings.PileLabelX = draw.PileLabelX;
  DrawSettings.PileLabelY = draw.PileLabelY;
  DrawSettings.PileLabelMode = draw.PileLabelMode;
}

void FillFactorRows(TableGrid& grid, const PartialFactorsRecord& factors) {
  for (int i = 0; i < kFactorGridRows; ++i) {
    grid.ShowCellNumber(1, i + 1, factors.Factor[i], "%5.4f");
  }
}

std::array<double, kPartialFactorCount> FactorsFromRows(const TableGrid& grid) {
  std::array<double, kPartialFactorCount> values;
  values.fill(1.0);
  for (int i = 0; i < kFactorGridRows; ++i) {
    if (const std::optional<double> v = grid.CellNumber(1, i + 1)) values[i] = *v;
  }
  return values;
}

void StoreFactorRows(const TableGrid& grid) {
  const std::array<double, kPartialFactorCount> values = FactorsFromRows(grid);
  for (int i = 0; i < kPartialFactorCount; ++i) {
    MarkStored(SetDoubleIfChanged(PartialFactors.Factor[i], values[i]));
  }
}

}  // namespace selvana
