// The result list of one grid order: every stored slip surface in stored order, as print data
// and as CSV. The same walk fills the safety-factor matrix and the minimum of the order.
#include <cmath>

#include "calc/results/slip_result.h"
#include "model/project_model.h"
#include "output/result_family.h"
#include "output/result_matrix.h"
#include "platform/cp932.h"
#include "platform/number_format.h"

namespace selvana {
namespace {

// Tolerance of a new centre coordinate against the previous record's.
constexpr double kNewCentre = 1e-7;

void WriteListHead(PrintDataFile& list, const ResultFamily& family, int order) {
  list.Title(OrderTitle(family.ListTitle, order));
  list.Stamp();
  list.TableStart();
  list.Body(FamilyForm(family, "H01.PFM"));
  list.Field(0, cm.ProjectTitle);
  list.Body(FamilyForm(family, "H02.PFM"));
  list.Field(1, StrFormat("%3d", order));
  list.Header(FamilyForm(family, "H02.PFM"));
  list.Field(1, StrFormat("%3d", order));
}

// The body form of a record: G01 when a new column of centres starts, G02 for a new centre in
// the column, G03 for a further radius or angle at the same centre.
const char* BodyForm(const SlipResult& r, double previousX, double previousY) {
  if (std::fabs(previousX - r.cx) > kNewCentre) return "G01.PFM";
  if (std::fabs(previousY - r.cy) > kNewCentre) return "G02.PFM";
  return "G03.PFM";
}

void WriteListRecord(PrintDataFile& list, OutputFile& csv, const ResultFamily& family,
                     const SlipResult& r) {
  const int d7 = MomentDecimals();
  const int d0 = SafetyDecimals();
  const MomentTerms terms = TermsOf(family, r.mrf, r.mrc, r.mr, r.md, r.rr);
  list.Field(1, StrFormat("%6.2f", r.cx));
  list.Field(2, StrFormat("%6.2f", r.cy));
  list.Field(3, StrFormat("%6.2f", r.rr));
  std::string row = StrFormat("%3.2f,%3.2f,%3.2f,", r.cx, r.cy, r.rr);
  for (int i = 0; i < terms.Count; ++i) {
    // The straight-line list prints its driving force narrower.
    const int width = family.Letter == 'L' && i == 3 ? 8 : 10;
    list.Field(4 + i, StrFormat("%*.*f", width, d7, terms.Value[i]));
    row += StrFormat("%4.*f,", d7, terms.Value[i]);
  }
  list.Field(4 + terms.Count, StrFormat("%6.*f", d0, CutToDecimals(r.f, d0)));
  row += StrFormat("%4.*f", d0, CutToDecimals(r.f, d0));
  csv.Line(row);
}

void KeepIfMinimum(const ResultFamily& family, const SlipResult& r) {
  MinimumResultRecord& m = MinimumResult;
  if (!(r.f < m.f)) return;
  m.f = r.f;
  m.cx = r.cx;
  m.cy = r.cy;
  m.rr = r.rr;
  m.mrf = r.mrf;
  m.mrc = r.mrc;
  if (family.HasPile) m.mry = r.mry;
  m.mr = r.mr;
  m.md = r.md;
}

}  // namespace

OutputResult WriteResultList(const ResultFamily& family, int order) {
  OutputFile csv;
  csv.Open(StrFormat("SB_ANS%d0.CSV", order));
  csv.Line(ToCp932(family.CsvHeader));
  PrintDataFile list;
  list.Open(StrFormat("SB_ANS%d0.PDT", order));
  WriteListHead(list, family, order);

  double previousX = 99999.999, previousY = 99999.999;
  ResultCursor = 0;
  while (NextSlipResult(order) == 0) {
    const SlipResult& r = CurrentSlipResult;
    list.Body(FamilyForm(family, BodyForm(r, previousX, previousY)));
    previousX = r.cx;
    previousY = r.cy;
    WriteListRecord(list, csv, family, r);
    AddToSafetyFactorMatrix(r.cx, r.cy, r.f, r.rr);
    KeepIfMinimum(family, r);
  }
  list.TableEnd();
  OutputResult result = Finish(list);
  OutputResult csvResult = Finish(csv);
  return result.Ok() ? csvResult : result;
}

}  // namespace selvana
