// The safety-factor table of one grid order: the smallest safety factor at every centre, rows
// from the highest centre down, as CSV (with a radius line under every row) and as print data
// in pages of eight grid columns, each page with its generated forms.
#include <algorithm>

#include "model/project_model.h"
#include "output/page_forms.h"
#include "output/result_family.h"
#include "output/result_matrix.h"
#include "platform/cp932.h"
#include "platform/number_format.h"

namespace selvana {
namespace {

void WriteTableCsv(OutputFile& csv) {
  const SafetyFactorMatrixRecord& m = SafetyFactorMatrix;
  const int d0 = SafetyDecimals();
  std::string line = ToCp932("X＼Y");
  for (int c = 0; c < m.ColumnCount; ++c) line += StrFormat(",%3.2f", m.X[c]);
  csv.Line(line);
  for (int r = 0; r < m.RowCount; ++r) {
    std::string factors = StrFormat("%3.2f", m.Y[r]);
    std::string radii = "(R)";
    for (int c = 0; c < m.ColumnCount; ++c) {
      const bool has = m.HasResult(c, r);
      factors += has ? StrFormat(",%3.*f", d0, CutToDecimals(m.F[c][r], d0)) : std::string(",");
      radii += has ? StrFormat(",%3.2f", m.R[c][r]) : std::string(",");
    }
    csv.Line(factors);
    csv.Line(radii);
  }
}

// The field lines of the column heads of a page: the X of each of its columns.
void WriteColumnHeads(PrintDataFile& table, int firstColumn, int k) {
  for (int q = 1; q <= k; ++q) {
    table.Line(StrFormat("0%1d  %6.2f", q, SafetyFactorMatrix.X[firstColumn + q - 1]));
  }
}

void WriteTableRows(PrintDataFile& table, const std::string& rowForm, int firstColumn, int k) {
  const SafetyFactorMatrixRecord& m = SafetyFactorMatrix;
  const int d0 = SafetyDecimals();
  const bool radii = cm.SafetyTableFormat != 0;
  for (int r = 0; r < m.RowCount; ++r) {
    table.Body(r + 1 == m.RowCount ? rowForm + " /F" : rowForm);
    table.Field(0, StrFormat("%6.2f", m.Y[r]));
    if (radii) table.Line("10  ( R )");
    for (int q = 1; q <= k; ++q) {
      const int c = firstColumn + q - 1;
      if (!m.HasResult(c, r)) {
        table.Line(StrFormat("0%1d   -----", q));
        continue;
      }
      table.Line(StrFormat("0%1d  %6.*f", q, d0, CutToDecimals(m.F[c][r], d0)));
      if (radii) table.Line(StrFormat("1%1d  %6.2f", q, m.R[c][r]));
    }
  }
}

OutputResult WriteTablePage(PrintDataFile& table, int order, int page) {
  const int first = page * kTableColumnsPerPage;
  const int k = std::min(kTableColumnsPerPage, SafetyFactorMatrix.ColumnCount - first);
  OutputResult forms = WritePageForms(cm.kt, order, page, k, cm.SafetyTableFormat);
  if (!forms.Ok()) return forms;
  const char letter = TableMethodLetter(cm.kt);
  const std::string header = PageFormName(letter, PageForm::Header, order, page);
  const std::string firstBody =
      page == 0 ? header : PageFormName(letter, PageForm::LaterHeader, order, page);
  table.TableStart();
  table.Body(StrFormat("SB_%cH00.PFM", letter));
  table.Line(StrFormat("$H  %-14s", header.c_str()));
  WriteColumnHeads(table, first, k);
  table.Line(StrFormat("$0  %-14s", firstBody.c_str()));
  WriteColumnHeads(table, first, k);
  WriteTableRows(table, PageFormName(letter, PageForm::Row, order, page), first, k);
  table.TableEnd();
  return {};
}

}  // namespace

OutputResult WriteSafetyTable(const ResultFamily& family, int order) {
  SortSafetyFactorMatrix();
  OutputFile csv;
  csv.Open(StrFormat("SB_ANS%d1.CSV", order));
  WriteTableCsv(csv);
  OutputResult result = Finish(csv);
  if (!result.Ok()) return result;

  PrintDataFile table;
  table.Open(StrFormat("SB_ANS%d1.PDT", order));
  table.Title(OrderTitle(family.TableTitle, order));
  table.Stamp();
  const int pages =
      (SafetyFactorMatrix.ColumnCount + kTableColumnsPerPage - 1) / kTableColumnsPerPage;
  for (int page = 0; page < pages && result.Ok(); ++page) {
    result = WriteTablePage(table, order, page);
  }
  OutputResult closed = Finish(table);
  return result.Ok() ? closed : result;
}

}  // namespace selvana
