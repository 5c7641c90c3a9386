// The three kinds of result files: circles by Fellenius or Tschebotarioff (letter C), circles by
// Bishop (B) and straight lines (L). They share one walk over the grid orders and differ in form
// letters, titles and which moment terms they print.
#pragma once
#include <array>
#include <string>

#include "output/print_data.h"

namespace selvana {

struct ResultFamily {
  char Letter;     // 'C', 'B' or 'L': the form names "SB_<letter>..."
  bool HasTable;   // writes the safety-factor table
  bool HasPile;    // the sheet-pile terms of the minimum report
  bool PerRadius;  // prints resisting and driving moments per metre of radius (Bishop)
  // Titles with %d for the grid order: [0] for method 0, 2 or 3/5, [1] for the other method.
  std::array<const char*, 2> ListTitle;
  std::array<const char*, 2> TableTitle;
  std::array<const char*, 2> ReportTitle;
  const char* CsvHeader;
};

extern const ResultFamily kCircleFamily;
extern const ResultFamily kBishopFamily;
extern const ResultFamily kStraightFamily;

// The title of an order from a pair of title formats, by cm.kt.
std::string OrderTitle(const std::array<const char*, 2>& titles, int order);

// "SB_<letter><rest>", e.g. FamilyForm(kCircleFamily, "H00.PFM") is "SB_CH00.PFM".
std::string FamilyForm(const ResultFamily& family, const char* rest);

// The moment or force terms a family prints for a record: resisting friction, cohesion and sum
// with the driving sum (C, L), or resisting and driving sums per metre of radius (B).
struct MomentTerms {
  std::array<double, 4> Value{};
  int Count = 0;
};
MomentTerms TermsOf(const ResultFamily& family, double mrf, double mrc, double mr, double md,
                    double rr);

// The decimals of safety factors and of moments and forces (DrawSettings.Decimals 0 and 7).
int SafetyDecimals();
int MomentDecimals();

// The per-order writers. Each leaves SafetyFactorMatrix and MinimumResult filled for the order.
// The result list (print data and CSV); it also fills the matrix and the minimum.
OutputResult WriteResultList(const ResultFamily& family, int order);
// The safety-factor table (CSV, then print data with the page forms of every page).
OutputResult WriteSafetyTable(const ResultFamily& family, int order);
// The minimum report.
OutputResult WriteMinimumReport(const ResultFamily& family, int order);
// The sheet-pile section of the circle writer's minimum report (pile modes 2 and 3).
void WritePileSection(PrintDataFile& file);

}  // namespace selvana
