// The minimum report of one grid order: the slip surface with the smallest safety factor, its
// safety factor in full-width digits, and in the report of the highest order the closing form.
#include "calc/results/safety_factor.h"
#include "model/project_model.h"
#include "output/result_family.h"
#include "output/result_matrix.h"
#include "platform/number_format.h"

namespace selvana {
namespace {

bool PileInReport(const ResultFamily& family) {
  return family.HasPile && (SheetPileSettings.Mode == 2 || SheetPileSettings.Mode == 3);
}

// The report body form; the circle writer's depends on the pile mode.
std::string ReportBodyForm(const ResultFamily& family) {
  if (family.HasPile && SheetPileSettings.Mode == 2) return FamilyForm(family, "G52.PFM");
  if (family.HasPile && SheetPileSettings.Mode == 3) return FamilyForm(family, "G53.PFM");
  return FamilyForm(family, "G51.PFM");
}

// The closing form of the report of the highest order: letter E (driving-force mode 0, no
// partial factors, an earthquake), F (partial factors), else D; the suffix by pile mode for
// circles, by method for Bishop.
std::string ClosingForm(const ResultFamily& family) {
  char letter = 'D';
  if (cm.DrivingForceMode == 0 && PartialFactors.Enabled == 0 && cm.SeismicCoefficient >= 0.0001) {
    letter = 'E';
  } else if (PartialFactors.Enabled != 0) {
    letter = 'F';
  }
  int suffix = 51;
  if (family.HasPile && SheetPileSettings.Mode == 2) suffix = 52;
  if (family.HasPile && SheetPileSettings.Mode == 3) suffix = 53;
  if (family.PerRadius && cm.kt != kMethodBishop) suffix = 52;
  return StrFormat("SB_%c%c%d.PFM", family.Letter, letter, suffix);
}

}  // namespace

OutputResult WriteMinimumReport(const ResultFamily& family, int order) {
  const int d0 = SafetyDecimals();
  const int d7 = MomentDecimals();
  MinimumResultRecord& m = MinimumResult;
  PrintDataFile report;
  report.Open(StrFormat("SB_ANS%d2.PDT", order));
  report.Title(OrderTitle(family.ReportTitle, order));
  report.Stamp();
  report.Body(FamilyForm(family, "H00.PFM"));
  report.Header(FamilyForm(family, "H51.PFM"));
  report.Field(8, StrFormat("%3d", order));
  report.Body(ReportBodyForm(family));
  if (PileInReport(family)) {
    report.Field(9, StrFormat("%10.*f", d7, m.mry));
    m.mr = m.mrf + m.mrc + m.mry;
    m.f = SafetyFactorOf(m.mr, m.md, NoFactorRule::kFellenius);
  }
  report.Field(0, ToFullWidthNumber(StrFormat("%6.*f", d0, CutToDecimals(m.f, d0))));
  report.Line("");
  const MomentTerms terms = TermsOf(family, m.mrf, m.mrc, m.mr, m.md, m.rr);
  int field = 1;
  for (int i = 0; i < terms.Count; ++i) {
    report.Field(field++, StrFormat("%10.*f", d7, terms.Value[i]));
  }
  for (const double v : {m.cx, m.cy, m.rr}) report.Field(field++, StrFormat("%6.3f", v));
  if (order == LastOrder) report.Body(ClosingForm(family));
  if (PileInReport(family)) WritePileSection(report);
  return Finish(report);
}

}  // namespace selvana
