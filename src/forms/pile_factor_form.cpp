// The sheet-pile pressure rows and the partial factors between their dialogs' grids and the model.
#include "forms/pile_factor_form.h"

#include <span>

#include "calc/sheet_pile_check.h"
#include "model/geometry.h"
#include "model/set_if_changed.h"
#include "platform/typed_number.h"

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

constexpr char kBeyondRange[] = "扱える範囲を超えた数値です";

// The label trimmed of the blanks that align it in its grid.
std::string Trimmed(const char* label) {
  const std::string_view text(label);
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return "";
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::optional<CellRefusal> CellRefusalOf(int col, int row, const std::string& label,
                                         const TableGrid& grid, const char* what) {
  return CellRefusal{{col, row},
                     RefuseValueOf(0, label.c_str(), grid.Cell(col, row), what).message};
}

}  // namespace

const std::array<const char*, kFactorGridRows> kFactorRowNames = {
    "水平外力 (1)", "水平外力 (2)", "水平外力 (3)", "上載荷重 (1)", "上載荷重 (2)",
    "上載荷重 (3)", "残 留 水 位 ", "摩擦力 tanφ",  "粘着力     C", "構造解析係数",
    "矢板剪断耐力", "矢板受動土圧", " 構造物重量 ", "土－海底面浅", "土－ 粘性土 ",
    "土－ 砂質土 ", "載 荷 幅 (1)", "載 荷 幅 (2)", "載 荷 幅 (3)"};

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

std::optional<EditRefusal> RefusedPileEntries(
    const SheetPileEntries& entries, const std::array<std::string, kPileEditCount>& texts) {
  const double values[kPileEditCount] = {
      entries.PileX,          entries.TopElevation, entries.EmbedmentElevation,
      entries.AllowableShear, entries.SectionArea,  entries.Lm1};
  for (int i = 0; i < kPileEditCount; ++i) {
    // An empty edit is named, as it shows nothing that would tell which one it is.
    if (BlankTypedText(texts[i])) {
      return RefuseValueOf(i + 1, kPileEditLabels[i], texts[i], "数値ではありません");
    }
    if (!TypedNumber(texts[i])) return EditRefusal{i + 1, TypedTextRefusal(texts[i])};
    if (!CoordinateInRange(values[i])) {
      return RefuseValueOf(i + 1, kPileEditLabels[i], texts[i], kBeyondRange);
    }
  }
  constexpr int kArea = 5;  // Edit5
  if (entries.Mode == 3 && !(entries.SectionArea > 0.0)) {
    return RefuseValueOf(kArea, kPileEditLabels[kArea - 1], texts[kArea - 1],
                         "0より大きくなければなりません");
  }
  return RefusedPileTop(entries, texts[1], texts[2]);
}

std::optional<CellRefusal> RefusedPileCell(const TableGrid& grid) {
  for (int row = 1; row <= kPileGridRows; ++row) {
    for (int col = 1; col <= 2; ++col) {
      const std::optional<double> v = grid.CellNumber(col, row);
      if (!v || CoordinateInRange(*v)) continue;
      const std::string label = StrFormat("No%dの%s", row - 1, col == 1 ? "標高" : "土圧強度");
      return CellRefusalOf(col, row, label, grid, kBeyondRange);
    }
  }
  return std::nullopt;
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

std::optional<CellRefusal> RefusedFactorCell(const TableGrid& grid) {
  for (int row = 1; row <= kFactorGridRows; ++row) {
    const std::optional<double> v = grid.CellNumber(1, row);
    if (!v) continue;
    const char* fault = *v < 0.0                 ? "0以上でなければなりません"
                        : !CoordinateInRange(*v) ? kBeyondRange
                                                 : nullptr;
    if (fault) return CellRefusalOf(1, row, Trimmed(kFactorRowNames[row - 1]), grid, fault);
  }
  return std::nullopt;
}

void StoreFactorRows(const TableGrid& grid) {
  const std::array<double, kPartialFactorCount> values = FactorsFromRows(grid);
  for (int i = 0; i < kPartialFactorCount; ++i) {
    MarkStored(SetDoubleIfChanged(PartialFactors.Factor[i], values[i]));
  }
}

}  // namespace selvana
