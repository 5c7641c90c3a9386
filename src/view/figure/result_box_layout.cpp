// Rows, texts and rules of the result box, the soil table and the load legend.
#include "view/figure/result_box_layout.h"

#include "calc/results/consolidation.h"
#include "model/design_copy.h"
#include "model/partial_factors.h"
#include "platform/cp932.h"
#include "platform/number_format.h"
#include "view/figure/frame_layout.h"

namespace selvana {
namespace {

// Placeholders shown without results.
constexpr double kNoSafetyFactorText = 99.999;
constexpr double kNoLengthText = 999.99;
constexpr double kNoMomentText = 99999.99;

constexpr double kRowPitch = 1.2;  // row height in text heights

// The X and Y letters of a point's rows stand in a cell of their own from this byte of the label.
constexpr std::size_t kPointLetterByte = 12;
// The inner column rules of the soil table stand before these bytes of its rows.
constexpr std::size_t kSoilColumnBytes[] = {6, 14, 22, 32, 40};

// The headings of the soil table (UTF-8) over the columns of SoilTableRow, on the screen and in
// the plot, which spaces its heading a little differently.
constexpr const char* kSoilTableHeader = "  No     W1      W2       C0       K       φ";
constexpr const char* kPlotSoilTableHeader = "  No     W1      W2      C0      K       φ";

// Where byte b of a row whose text starts at x starts.
double ByteX(double x, double h, std::size_t b) { return x + 0.5 * h * static_cast<double>(b); }

// Writes the rows of the tables, all of one text height h, for the screen or the plot.
struct TableRows {
  FigureLayout& out;
  double h;
  TablesFor target;

  // The text of a row whose lower line is at lineY and whose text starts at x: one text h high
  // standing a tenth of h above the line, byte b of it at x + b h/2 as the rules are placed.
  // The screen places it by its top left corner, which it rounds to pixels as it rounds the
  // rule above, so that the tenth of h between them stays blank wherever it is a pixel or more,
  // and keeps its glyphs off the column rules where a pixel's move within their cells does so.
  void Row(const std::string& text, double x, double lineY) const {
    if (target == TablesFor::kPlot) {
      out.Text(text, x, lineY + 0.1 * h, h, kFigureAnchorBottomLeft);
    } else {
      out.Text(text, x, lineY + 1.1 * h, h, kFigureAnchorTopLeft, true);
    }
  }
};

enum class RowKind {
  kSafetyFactor,
  kCentreX,
  kStartX,
  kY,
  kEndX,
  kEndY,
  kRadius,
  kAngle,
  kGamma,
  kDriving,
  kDrivingPerGamma,
  kResisting,
  kDrivingForce,
  kResistingForce,
  kDrivingPerR,
  kResistingPerR,
  kDrivingPerRGamma,
  kPile,
};

struct RowSet {
  std::array<RowKind, 9> kinds;
  int count;
};

// The straight-line methods, and any unknown code, whose title is the straight-line one.
bool StraightLine(int kt) { return StraightLineMethod(kt) || kt < 0 || kt > 5; }

RowSet RowsOfMethod() {
  using R = RowKind;
  const int kt = cm.kt;
  if (kt == kMethodLineBetweenSegments) {
    return {{R::kSafetyFactor, R::kStartX, R::kY, R::kEndX, R::kEndY, R::kDrivingForce,
             R::kResistingForce},
            7};
  }
  if (StraightLine(kt)) {
    return {{R::kSafetyFactor, R::kStartX, R::kY, R::kAngle, R::kDrivingForce, R::kResistingForce},
            6};
  }
  if (kt == kMethodBishop && UserPartialFactors().Enabled != 0) {
    return {{R::kSafetyFactor, R::kCentreX, R::kY, R::kRadius, R::kGamma, R::kDrivingPerGamma,
             R::kResisting, R::kDrivingPerRGamma, R::kResistingPerR},
            9};
  }
  if (BishopMethod(kt)) {
    return {{R::kSafetyFactor, R::kCentreX, R::kY, R::kRadius, R::kDriving, R::kResisting,
             R::kDrivingPerR, R::kResistingPerR},
            8};
  }
  const int pile = SheetPileSettings.Mode;
  const bool pileRow = pile == 2 || pile == 3;
  return {{R::kSafetyFactor, R::kCentreX, R::kY, R::kRadius, R::kDriving, R::kResisting, R::kPile},
          pileRow ? 7 : 6};
}

// Label, value and decimals of one row.
struct RowValue {
  const char* label;
  double value;
  int decimals;
  double placeholder;
  bool defined = true;  // false when a divisor is zero: the placeholder is shown instead
};

RowValue Divided(const char* label, double a, double b, int decimals) {
  if (b == 0.0) return {label, 0.0, decimals, kNoMomentText, false};
  return {label, a / b, decimals, kNoMomentText};
}

RowValue ValueOf(RowKind kind, bool withResults) {
  const SlipResult& r = CriticalResult;
  const int dm = DrawSettings.ShownDecimals()[7];
  const double gamma = UserPartialFactors().Factor[kFactorStructural];
  const char* driving = "起動モーメント ";
  const char* resisting = "抵抗モーメント ";
  const char* drivingForce = "起  動  力     ";
  const char* resistingForce = "抵  抗  力     ";
  switch (kind) {
    case RowKind::kSafetyFactor: {
      const int d0 = DrawSettings.ShownDecimals()[0];
      return {"最小安全率 Fmin", CutToDecimals(Fmin, d0), d0, kNoSafetyFactorText};
    }
    case RowKind::kCentreX: return {"円形中心     X ", r.cx, 3, kNoLengthText};
    case RowKind::kStartX: return {"すべり開始点 X ", r.cx, 3, kNoLengthText};
    case RowKind::kY: return {"             Y ", r.cy, 3, kNoLengthText};
    case RowKind::kEndX: return {"すべり終了点 X ", r.dx, 3, kNoLengthText};
    case RowKind::kEndY: return {"             Y ", r.dy, 3, kNoLengthText};
    case RowKind::kRadius: return {"半    径     R ", r.rr, 3, kNoLengthText};
    case RowKind::kAngle: return {"すべり角度   α", r.rr, 3, kNoLengthText};
    case RowKind::kGamma: return {"構造解析係数　 ", gamma, 3, kNoLengthText};
    case RowKind::kDriving: return {driving, r.md, dm, kNoMomentText};
    case RowKind::kDrivingPerGamma: return Divided(driving, r.md, gamma, dm);
    case RowKind::kResisting: return {resisting, r.mr, dm, kNoMomentText};
    case RowKind::kDrivingForce: return {drivingForce, r.md, dm, kNoMomentText};
    case RowKind::kResistingForce: return {resistingForce, r.mr, dm, kNoMomentText};
    case RowKind::kDrivingPerR: return Divided(drivingForce, r.md, r.rr, dm);
    case RowKind::kResistingPerR: return Divided(resistingForce, r.mr, r.rr, dm);
    case RowKind::kDrivingPerRGamma: return Divided(drivingForce, r.md, r.rr * gamma, dm);
    case RowKind::kPile: break;
  }
  if (SheetPileSettings.Mode == 2) return {"矢板受動土圧M  ", r.mry, dm, kNoMomentText};
  return {withResults ? "矢板せん断M 　 " : "矢板せん断M  　", r.mry, dm, kNoMomentText};
}

std::string RowText(RowKind kind, bool withResults) {
  const RowValue v = ValueOf(kind, withResults);
  const double shown = withResults && v.defined ? v.value : v.placeholder;
  return ToCp932(v.label) + StrFormat("%12.*f", v.decimals, shown);
}

// Writes the box; returns the y of its last row line.
double LayoutResultBox(const TableRows& rows, bool withResults) {
  FigureLayout& out = rows.out;
  const double h = rows.h;
  const FrameSize frame = FigureFrameSize();
  const double w = frame.W, t = frame.T;
  const ResultBoxRows box = BuildResultBoxRows(withResults);
  const auto line = [&](int k) { return t - kRowPitch * h * k; };
  const double left = w - 14.0 * h;
  const double letters = ByteX(left, h, kPointLetterByte);
  const double values = ByteX(left, h, kResultLabelBytes);
  const bool segments = cm.kt == kMethodLineBetweenSegments;
  const int lastPointRow = segments ? 5 : 3;  // rows 2 to this one have a cell for X and Y
  for (int k = 1; k <= box.Count; ++k) rows.Row(box.Text[k - 1], left, line(k));
  for (int k = 1; k <= box.Count; ++k) {
    const bool pointCell = k == 2 || (segments && k == 4);
    out.Line(pointCell ? letters : left, line(k), w, line(k));
  }
  out.Line(letters, line(1), letters, line(lastPointRow));
  out.Line(left, t, left, line(box.Count));
  out.Line(values, t, values, line(box.Count));
  return line(box.Count);
}

bool UsedBlock(int i) { return BlockTable[i].Number >= 0; }

// Writes the soil table under the line at top + one row; returns the y of its last row line.
double LayoutSoilTable(const TableRows& rows, double boxBottom) {
  FigureLayout& out = rows.out;
  const double h = rows.h;
  const double w = FigureFrameSize().W;
  const double top = boxBottom - kRowPitch * h;
  const double left = w - 24.0 * h;
  out.Line(left, top, w, top);
  double y = top - kRowPitch * h;
  const bool plot = rows.target == TablesFor::kPlot;
  rows.Row(ToCp932(plot ? kPlotSoilTableHeader : kSoilTableHeader), left, y);
  out.Line(left, y, w, y);
  bool sandPile = false;
  for (int i = 0; i < BlockCount && i < kMaxBlocks; ++i) {
    if (!UsedBlock(i)) continue;
    sandPile = sandPile || BlockTable[i].SandPile != 0;
    y -= kRowPitch * h;
    rows.Row(SoilTableRow(BlockTable[i]), left, y);
    out.Line(left, y, w, y);
  }
  if (sandPile) rows.Row(ToCp932(" * : 砂杭を含む土層"), left, y - kRowPitch * h);
  out.Line(left, top, left, y);
  for (const std::size_t b : kSoilColumnBytes) {
    const double x = ByteX(left, h, b);
    out.Line(x, top, x, y);
  }
  return y;
}

void LayoutLoadLegend(const TableRows& rows, double reference) {
  const double w = FigureFrameSize().W, h = rows.h;
  const char* const texts[] = {"　荷重条件", "　ｑ’＝γ・ｑ", "　ｂ’＝γ・2b", "　Ｈ’＝γ・PH"};
  for (int k = 1; k <= 4; ++k) {
    const double y = reference - kRowPitch * h * k;
    rows.Row(ToCp932(texts[k - 1]), w - 8.0 * h, y);
    rows.out.Line(w - 8.0 * h, y, w, y);
  }
  rows.out.Line(w - 8.0 * h, reference - kRowPitch * h, w - 8.0 * h, reference - 4 * kRowPitch * h);
}

// A value width characters wide and a space, or dashes in its place for a value of exactly zero.
std::string SoilValue(double v, int width, int decimals) {
  if (v == 0.0) return std::string(static_cast<std::size_t>(width) - 4, ' ') + "---- ";
  return StrFormat("%*.*f ", width, decimals, v);
}

}  // namespace

ResultBoxRows BuildResultBoxRows(bool withResults) {
  const RowSet set = RowsOfMethod();
  ResultBoxRows rows;
  rows.Count = set.count;
  for (int k = 0; k < set.count; ++k) rows.Text[k] = RowText(set.kinds[k], withResults);
  return rows;
}

std::string SoilTableRow(const BlockRecord& b) {
  const auto d = DrawSettings.ShownDecimals();
  std::string row = b.SandPile != 0 ? StrFormat(" *%3d %7.*f ", b.Number, d[1], b.UnitWeight)
                                    : StrFormat("%5d %7.*f ", b.Number, d[1], b.UnitWeight);
  row += SoilValue(b.EffectiveUnitWeight, 7, d[1]);
  row += SoilValue(b.Cohesion, 9, d[2]);
  row += SoilValue(b.CohesionGradient, 7, d[2]);
  row += SoilValue(b.FrictionAngle, 7, d[3]);
  return row;
}

void LayoutResultTables(FigureLayout& out, bool withResults, TablesFor target) {
  const TableRows rows{out, DrawSettings.Sizes[4], target};
  if (!(rows.h > 0.0001)) {
    if (target == TablesFor::kPlot && rows.h >= 0.0) LayoutResultBox(rows, withResults);
    return;
  }
  double reference = LayoutResultBox(rows, withResults);
  if (DrawSettings.SoilTableMode() < 0.0) {
    reference = LayoutSoilTable(rows, reference) - kRowPitch * rows.h;
  }
  if (UserPartialFactors().Enabled != 0) LayoutLoadLegend(rows, reference);
}

}  // namespace selvana
