// The run entry of the circle methods and the steps it shares with its Bishop twin.
#include "calc/run_entry.h"

#include <ctime>
#include <string>

#include "calc/circle/fellenius_search.h"
#include "calc/left_out_notes.h"
#include "calc/results/consolidation.h"
#include "calc/results/result_store.h"
#include "calc/results/safety_factor.h"
#include "calc/results/slip_result.h"
#include "calc/run_checks.h"
#include "calc/run_model_checks.h"
#include "calc/slicing/polygons.h"
#include "calc/value_checks.h"
#include "model/design_copy.h"
#include "model/partial_factors.h"
#include "platform/message_box.h"
#include "platform/number_format.h"

namespace selvana {
namespace {

// The local date and time at the end of a run, for its stamp.
std::tm LocalTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

// The two factors of the verdict: Fmin with the decimals it was judged at, the allowable factor
// with as many, or with more where fewer would show it equal to a lower Fmin.
std::string VerdictFactors(double fmin, double allowable, const char* relation) {
  const int decimals = SafetyFactorDecimals();
  const std::string shownFmin = StrFormat("%1.*f", decimals, fmin);
  int allowableDecimals = decimals;
  std::string shownAllowable = StrFormat("%1.*f", allowableDecimals, allowable);
  while (fmin < allowable && shownAllowable == shownFmin && allowableDecimals < 17) {
    shownAllowable = StrFormat("%1.*f", ++allowableDecimals, allowable);
  }
  return shownFmin + " " + relation + " " + shownAllowable;
}

// The verdict of a run with results, OK or OUT against the allowable factor; when a result
// table ran full, the verdict says so on its following lines, the one place the user reads it.
std::string VerdictText(double fmin, double allowable, const VerdictNotes& notes) {
  std::string text =
      allowable <= fmin
          ? "計算：正常終了しました。判定(" + VerdictFactors(fmin, allowable, ">=") + ") OK"
          : "計算：正常終了しました。判定(" + VerdictFactors(fmin, allowable, "<") + ") OUT";
  if (SlipResultsOverflowed()) text += "\n" + SlipResultOverflowMessage();
  for (const std::string& line : notes.lines) text += "\n" + line;
  return text;
}

// The first block of the run whose unit weight is not above 0; -1 none.
int WeightlessBlock() {
  for (int b = 0; b < kMaxBlocks; ++b) {
    if (BlockInRun(b) && !(BlockTable[b].UnitWeight > 0.0)) return b;
  }
  return -1;
}

}  // namespace

std::string NoResultReason(const char* surfaces) {
  const SurfaceTallyRecord& t = SurfaceTally;
  if (CalcStatus == -1 || t.offered == 0) return "";  // stopped, or nothing to search
  if (t.reached == 0) return StrFormat("探索範囲のどの%sも地盤に達しませんでした。", surfaces);
  if (t.factored > 0 && t.aboveMaximum == t.factored) {
    return StrFormat("どの%sの安全率も最大安全率 %.4f を超えました。", surfaces,
                     cm.MaxSafetyFactor);
  }
  const int weightless = t.factored == 0 ? WeightlessBlock() : -1;
  if (weightless >= 0) {
    return StrFormat("ブロック%dに重量がありません（単位体積重量 %.4f）。",
                     BlockTable[weightless].Number, BlockTable[weightless].UnitWeight);
  }
  if (t.factored > 0 || t.driven > 0) return "";
  const bool circles = cm.kt != kMethodLineFromPoint && cm.kt != kMethodLineBetweenSegments;
  return StrFormat("どの%sにも、選んだすべり方向に働く%sがありませんでした。", surfaces,
                   circles ? "起動モーメント" : "起動力");
}

void StampCalcDateTime(const std::tm& now) {
  CalcDateTimeRecord& stamp = cm.CalcDateTime;
  stamp.Date[0] = now.tm_year % 100;
  stamp.Date[1] = now.tm_mon + 1;
  stamp.Date[2] = now.tm_mday;
  stamp.Time[0] = now.tm_hour;
  stamp.Time[1] = now.tm_min;
  stamp.Time[2] = now.tm_sec;
}

void AnnounceVerdict(const VerdictNotes& notes) {
  if (CalcStatus == 1) ConsolidateResults();
  // Moments that overflowed leave no result: nothing to judge, draw or write.
  if (CalcStatus == 1 && ResultsOverflowed()) CalcStatus = 0;
  // Stored surfaces that all carry the no-factor mark give no factor to judge either, and
  // nothing to show, draw or write.
  if (CalcStatus == 1 && CarriesNoFactorMark(Fmin)) CalcStatus = 0;
  if (CalcStatus != 1) {
    ShowMessage("計算：計算結果が得られませんでした。\n" + notes.noResultReason, "メッセージ");
    return;
  }
  ShowMessage(VerdictText(Fmin, cm.AllowableSafetyFactor, notes), "終わり");
}

void FinishCalcRun(CalcProgress& progress, const VerdictNotes& notes) {
  StampCalcDateTime(LocalTimeNow());
  progress.Hide();
  AnnounceVerdict(notes);
}

int RunCircleCalc(const CircleRunFamily& family, CalcProgress& progress) {
  CalcStatus = 0;
  if (cm.kt != family.firstMethod && cm.kt != family.secondMethod) {
    ShowMessage(family.wrongMethodText, "break");
    return -1;
  }
  if (!CheckRunSettings()) return -1;
  SlopeDirection = 1;
  BuildBlockPolygons();
  if (!CheckRunModel()) return -1;
  VerdictNotes notes;
  NoteLeftOutFeatures(notes);
  {
    DesignCopyScope designCopy(family.applyPartialFactors);
    family.search(progress);
  }
  notes.noResultReason = NoResultReason("すべり円");
  FinishCalcRun(progress, notes);
  return 0;
}

int RunCircleCalcFellenius(CalcProgress& progress) {
  const CircleRunFamily fellenius = {kMethodFellenius, kMethodTschebotarioff, "cm.kt != 0,1",
                                     &ApplyPartialFactorsFellenius, &SearchCirclesFellenius};
  return RunCircleCalc(fellenius, progress);
}

}  // namespace selvana
