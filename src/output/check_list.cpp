// The input check lists: points, lines, conditions, loads, cohesion reference, search settings,
// sheet pile, partial factors and soil blocks, each section in its forms.
#include "output/check_list.h"

#include <algorithm>
#include <vector>

#include "calc/left_out_notes.h"
#include "calc/straight/angle_search.h"
#include "model/design_copy.h"
#include "model/line_records.h"
#include "model/project_model.h"
#include "output/print_data.h"
#include "platform/cp932.h"
#include "platform/number_format.h"

namespace selvana {
namespace {

// The used factors of the partial-factor list.
constexpr int kListedFactors = 19;
// Outline point numbers per row of a block.
constexpr int kOutlinePerRow = 15;

std::string F83(double v) { return StrFormat("%8.3f", v); }
std::string D3(int v) { return StrFormat("%3d", v); }

// A list laid out column by column in rows of `perRow` entries, each row placed with rowForm;
// entry e of a row fills the fields 3c, 3c + 1, 3c + 2 of its column c. After the first row
// comes the section's continuation header.
template <typename WriteEntry>
void ColumnTable(PrintDataFile& file, int count, int perRow, const char* rowForm,
                 const char* continuation, WriteEntry writeEntry) {
  const int rows = (count - 1) / perRow + 1;  // an empty list still gives one row
  for (int r = 0; r < rows; ++r) {
    file.Body(rowForm);
    for (int c = 0; c < perRow; ++c) {
      const int entry = r + c * rows;
      if (entry < count) writeEntry(3 * c, entry);
    }
    if (r == 0) file.Header(continuation);
  }
}

void WritePoints(PrintDataFile& file) {
  std::vector<int> slots;
  for (int i = 0; i < PointCount; ++i) {
    if (PointTable[i].Id < 0) continue;
    PointTable[i].Id = i;
    slots.push_back(i);
  }
  file.Body("SB_CHK01.PFM");
  ColumnTable(file, static_cast<int>(slots.size()), 3, "SB_CHK02.PFM", "SB_CHK04.PFM",
              [&](int field, int entry) {
                const PointRecord& p = PointTable[slots[entry]];
                file.Field(field, D3(p.Id));
                file.Field(field + 1, F83(p.X));
                file.Field(field + 2, F83(p.Y));
              });
  file.Header("SB_CHK00.PFM");
}

void WriteLines(PrintDataFile& file) {
  std::vector<int> slots;
  for (int i = 0; i < LineCount; ++i) {
    if (LineTable[i].Kind >= 0) slots.push_back(i);
  }
  file.Body("SB_CHK11.PFM");
  ColumnTable(file, static_cast<int>(slots.size()), 4, "SB_CHK12.PFM", "SB_CHK14.PFM",
              [&](int field, int entry) {
                const LineRecord& l = LineTable[slots[entry]];
                file.Field(field, D3(l.Kind));
                file.Field(field + 1, D3(l.P1));
                file.Field(field + 2, D3(l.P2));
              });
  file.Header("SB_CHK00.PFM");
}

void WriteGeneralConditions(PrintDataFile& file) {
  file.Body("SB_CHK21.PFM");
  file.Field(0, cm.ProjectTitle);
  file.Field(1, StrFormat("%d", cm.kt));
  file.Field(2, F83(cm.SeismicCoefficient));
  file.Field(23,
             ToCp932(cm.SeismicIncludesSurcharge != 0
                         ? "※抵抗力にかかる荷重の水平震度による低減に上載荷重分も含めて考える"
                         : "※抵抗力にかかる荷重の水平震度による低減に上載荷重分も含めて考えない"));
}

void WriteLoads(PrintDataFile& file) {
  const SurchargeRecord& s = cm.Surcharges;
  const HorizontalForceRecord& h = cm.HorizontalForces;
  file.Body("SB_CHK2A.PFM");
  for (int i = 0; i < kSurchargeCount; ++i) {
    file.Field(3 + 3 * i, F83(s.XMin[i]));
    file.Field(4 + 3 * i, F83(s.XMax[i]));
    file.Field(5 + 3 * i, F83(s.LoadAtXMin[i]));
  }
  for (int i = 0; i < kForceCount; ++i) {
    file.Field(12 + 2 * i, F83(h.Y[i]));
    file.Field(13 + 2 * i, F83(h.H[i]));
  }
  for (int i = 0; i < kSurchargeCount; ++i) file.Field(20 + i, F83(s.LoadAtXMax[i]));
}

const char* SandPileFormulaText(int formula) {
  switch (formula) {
    case 0: return "τ＝(1-as)(C0+k･z)+(γs･z+μs･Δσz)･as･tan(φs)･cos2(θ)";
    case 1: return "τ＝(1-as)(C0+k･z)+(γm･z+Δσz)･μs･as･tan(φs)･cos2(θ)";
    case 2: return "τ＝(γm･z+Δσz)･tan(φm)･cos2(θ)";
    default: return "τ＝(γs･z+Δσz)･μs･as･tan(φs)･cos2(θ)";
  }
}

void WriteOtherConditions(PrintDataFile& file, bool factorsOn) {
  file.Body(factorsOn ? "SB_CHK2C.PFM" : "SB_CHK2B.PFM");
  file.Field(19, F83(cm.MaxSafetyFactor));
  file.Field(24, ToCp932(SandPileFormulaText(cm.SandPileFormula)));
  file.Field(25, StrFormat("%4d", cm.SafetyTableFormat));
  file.Field(26, F83(cm.AllowableSafetyFactor));
  file.Field(28, F83(cm.SliceWidth));
  file.Field(29, StrFormat("%4d", cm.DrivingForceMode));
}

void WriteCohesionReference(PrintDataFile& file) {
  if (cm.CohesionRefMode == 0) {
    file.Body("SB_CHK27.PFM");
    file.Field(18, F83(cm.CohesionRefHeight));
  } else {
    const CohesionRefLineRecord& line = cm.CohesionRefLine;
    file.Body("SB_CHK26.PFM");
    ColumnTable(file, std::clamp(line.Count, 0, kMaxCohesionVertices), 3, "SB_CHK02.PFM",
                "SB_CHK04.PFM", [&](int field, int entry) {
                  file.Field(field, D3(entry));
                  file.Field(field + 1, F83(line.X[entry]));
                  file.Field(field + 2, F83(line.Y[entry]));
                });
  }
  file.Header("SB_CHK00.PFM");
}

// The body form of the circle settings by method code and pass point.
const char* CircleSettingsForm(int kt, bool passPoint) {
  if (kt == kMethodBishop) return passPoint ? "SB_CHK23A.PFM" : "SB_CHK23.PFM";
  if (kt == kMethodModifiedBishop) return passPoint ? "SB_CHK25A.PFM" : "SB_CHK25.PFM";
  return passPoint ? "SB_CHK22A.PFM" : "SB_CHK22.PFM";
}

void WriteCircleSettings(PrintDataFile& file) {
  const CircleSearchSettings& s = CircleSettingsFor(cm.kt);
  file.Body(CircleSettingsForm(cm.kt, s.PassPointOn != 0));
  for (int i = 0; i < 3; ++i) file.Field(i, F83(s.CentreX[i]));
  for (int i = 0; i < 3; ++i) file.Field(3 + i, F83(s.CentreY[i]));
  for (int i = 0; i < 3; ++i) file.Field(6 + i, F83(s.Radius[i]));
  file.Field(9, D3(s.ExtendFirstGrid));
  file.Field(10, D3(s.HighestGridOrder));
  file.Field(11, D3(s.SlipDirection));
  file.Field(12, F83(s.PassPointX));
  file.Field(13, F83(s.PassPointY));
}

// A form of one row the list brings along, for what the viewer's own forms have no place for:
// its title and its cells (UTF-8: literal text, "$NN^^^" a field, "@" joined to the left), each
// cell 8 wide without borders.
OutputResult WriteOneRowForm(const char* name, const char* title,
                             const std::vector<std::string>& cells) {
  std::string widths, attributes, contents, borders;
  for (std::size_t c = 0; c < cells.size(); ++c) {
    const char* comma = c == 0 ? "" : ",";
    widths += std::string(comma) + "8";
    attributes += std::string(comma) + "1";
    contents += comma + cells[c];
    borders += std::string(comma) + "0000";
  }
  OutputFile form;
  form.Open(name);
  form.Utf8Line(title);
  form.Line(StrFormat("1,%zu,0,0", cells.size()));
  form.Line(widths);
  form.Line(attributes);
  form.Utf8Line(contents);
  form.Line(borders);
  return Finish(form);
}

// The form of the slip angles method 3 searches when the limit lines narrow the user's range:
// one row under the user's settings, its two fields the searched minimum and maximum.
OutputResult WriteSearchedAnglesForm() {
  return WriteOneRowForm(kSearchedAnglesForm, "直線すべり　探索したすべり角度",
                         {"探索範囲", "$00^^^", "～", "$01^^^"});
}

// The form of the notes the verdict gives on what the run leaves out (sand piles, a sheet
// pile): one row whose field spans ten cells, one instance per note.
OutputResult WriteLeftOutNotesForm() {
  std::vector<std::string> cells(10, "@");
  cells[0] = "$00^^^";
  return WriteOneRowForm(kLeftOutNotesForm, "計算で考慮していない入力", cells);
}

void WriteLeftOutNotes(PrintDataFile& file, const VerdictNotes& notes) {
  for (const std::string& line : notes.lines) {
    file.Body(kLeftOutNotesForm);
    file.Field(0, ToCp932(line));
  }
}

void WriteLineSettings(PrintDataFile& file) {
  const StraightSlipSettingsRecord& s = StraightSlipSettings;
  if (cm.kt == kMethodLineFromPoint) {
    file.Body("SB_CHK24.PFM");
    const double values[] = {s.PointX[0], s.PointY[0], s.Range[0],
                             s.Range[1],  s.Range[2],  s.ForceX};
    for (int i = 0; i < 6; ++i) file.Field(i, F83(values[i]));
    file.Field(6, D3(s.Side));
    file.Field(7, D3(s.Passes));
    if (const std::optional<SlipAngleLimits> searched = NarrowedSlipAngles()) {
      file.Body(kSearchedAnglesForm);
      file.Field(0, F83(searched->min));
      file.Field(1, F83(searched->max));
    }
    return;
  }
  file.Body("SB_CHK29.PFM");
  const double values[] = {s.PointX[0], s.PointY[0], s.PointX[1], s.PointY[1],
                           s.Range[0],  s.PointX[2], s.PointY[2], s.PointX[3],
                           s.PointY[3], s.Range[1],  s.ForceX};
  for (int i = 0; i < 11; ++i) file.Field(i, F83(values[i]));
  file.Field(11, D3(s.Passes));
}

void WriteSearchSettings(PrintDataFile& file) {
  if (cm.kt <= kMethodBishop || cm.kt == kMethodModifiedBishop) {
    WriteCircleSettings(file);
  } else {
    WriteLineSettings(file);
  }
}

// Tolerance of a pile top above its embedment.
constexpr double kPileLength = 0.0001;

void WriteSheetPile(PrintDataFile& file) {
  const SheetPileSettingsRecord& pile = SheetPileSettings;
  if (cm.kt >= kMethodBishop || pile.TopElevation <= pile.EmbedmentElevation + kPileLength) return;
  file.Body("SB_CHK41.PFM");
  file.Field(0, StrFormat("%4d", pile.Mode));
  const double values[] = {pile.PileX,          pile.TopElevation, pile.EmbedmentElevation,
                           pile.AllowableShear, pile.SectionArea,  pile.Lm1};
  for (int i = 0; i < 6; ++i) file.Field(1 + i, F83(values[i]));
  file.Body("SB_CHK42.PFM");
  ColumnTable(file, std::clamp(pile.RowCount, 0, kMaxPileRows), 3, "SB_CHK02.PFM", "SB_CHK43.PFM",
              [&](int field, int entry) {
                file.Field(field, D3(entry));
                file.Field(field + 1, F83(pile.Elevation[entry]));
                file.Field(field + 2, F83(pile.Intensity[entry]));
              });
  file.Header("SB_CHK00.PFM");
}

void WritePartialFactors(PrintDataFile& file, const PartialFactorsRecord& user) {
  if (user.Enabled != 1) return;
  file.Body("SB_CHK44.PFM");
  for (int i = 0; i < kListedFactors; ++i) file.Field(i + 1, StrFormat("%8.4f", user.Factor[i]));
}

const char* BlockKindText(const BlockRecord& b) {
  switch (b.Kind) {
    case kBlockSoil: return "土ブロック";
    case kBlockPressureWater: return "水ブロック－水圧考慮";
    case kBlockWeightWater: return "水ブロック－重量考慮";
    default: return "構造物ブロック";
  }
}

const char* FactorClassText(int factorClass) {
  switch (factorClass) {
    case 1: return "海底面以浅";
    case 2: return "粘性土";
    default: return "砂質土";
  }
}

// The outline's point numbers in rows of fifteen (the repeated first point left out).
void WriteOutlineRows(PrintDataFile& file, int points) {
  for (int first = 0; first < points; first += kOutlinePerRow) {
    file.Body("SB_CHK34.PFM");
    for (int q = 0; q < kOutlinePerRow && first + q < points; ++q) {
      file.Field(q, D3(BlockOutline.Points[first + q]));
    }
  }
}

void WriteBlock(PrintDataFile& file, const BlockRecord& b, bool factorsOn) {
  // An outline that cannot be traced lists no points.
  const int traced = TraceBlockRegion(b.SeedX, b.SeedY);
  const int points = traced > 0 ? traced - 1 : 0;
  file.Body(factorsOn ? "SB_CHK33.PFM" : "SB_CHK32.PFM");
  file.Field(0, D3(b.Number));
  const double values[] = {b.SeedX,
                           b.SeedY,
                           b.UnitWeight,
                           b.EffectiveUnitWeight,
                           b.CohesionGradient,
                           b.Cohesion,
                           b.FrictionAngle,
                           b.ReplacementRatio,
                           b.StressRatio,
                           b.PileUnitWeight,
                           b.PileFrictionAngle};
  for (int i = 0; i < 11; ++i) file.Field(1 + i, F83(values[i]));
  file.Field(12, D3(points));
  file.Field(13, ToCp932(BlockKindText(b)));
  if (b.Kind == kBlockSoil) file.Field(15, ToCp932(FactorClassText(b.FactorClass)));
  file.Field(14, D3(b.SandPile));
  WriteOutlineRows(file, points);
}

void WriteBlocks(PrintDataFile& file, bool factorsOn) {
  file.Line("$R18");
  file.Body("SB_CHK31.PFM");
  bool first = true;
  for (int i = 0; i < BlockCount; ++i) {
    if (BlockTable[i].Number < 0) continue;
    WriteBlock(file, BlockTable[i], factorsOn);
    if (first) file.Header("SB_CHK35.PFM");
    first = false;
  }
}

// Tells the user which file could not be written.
int CheckListFailed(const OutputResult& result) {
  ReportOutputFailure(result);
  return kCheckListFailed;
}

}  // namespace

int WriteCheckList(int which) {
  EnterOutputFolder();
  if (cm.kt == kMethodLineFromPoint && NarrowedSlipAngles()) {
    const OutputResult form = WriteSearchedAnglesForm();
    if (!form.Ok()) return CheckListFailed(form);
  }
  VerdictNotes notes;
  NoteLeftOutFeatures(notes);
  if (!notes.lines.empty()) {
    const OutputResult form = WriteLeftOutNotesForm();
    if (!form.Ok()) return CheckListFailed(form);
  }
  const PartialFactorsRecord& user = UserPartialFactors();
  const bool factorsOn = user.Enabled != 0;
  PrintDataFile file;
  file.Open(which == 0 ? "SB_CHK01.PDT" : "SB_CHK02.PDT");
  file.Title(which == 0 ? "斜面の安定計算　チェックリスト１" : "斜面の安定計算　チェックリスト２");
  file.Stamp();
  file.Body("SB_CH00.PFM");
  file.Header("SB_CHK00.PFM");
  file.Footer("SB_CHK99.PFM");
  WritePoints(file);
  WriteLines(file);
  WriteGeneralConditions(file);
  WriteLoads(file);
  WriteOtherConditions(file, factorsOn);
  WriteCohesionReference(file);
  WriteSearchSettings(file);
  WriteLeftOutNotes(file, notes);
  WriteSheetPile(file);
  WritePartialFactors(file, user);
  WriteBlocks(file, factorsOn);
  file.Header("SB_CHK00.PFM");
  const OutputResult result = Finish(file);
  if (result.Ok()) return 0;
  return CheckListFailed(result);
}

}  // namespace selvana
