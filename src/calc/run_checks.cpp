// The range checks of the run entries, one table per method family and the slice width for all.
#include "calc/run_checks.h"

#include <span>

#include "calc/results/safety_factor.h"
#include "calc/results/slip_result.h"
#include "calc/search_settings_rules.h"
#include "calc/slicing/walk.h"
#include "calc/straight/angle_search.h"
#include "calc/straight/endpoint_search.h"
#include "model/project_model.h"
#include "platform/message_box.h"

namespace selvana {
namespace {

constexpr char kAngleStepMessage[] = "すべり角度　Δα　の値が不正です。";
constexpr char kDecimalsMessage[] =
    "小数点以下桁数　安全率　が２未満のため計算できません。"
    "作図条件設定で２以上にしてください。";

struct RangeCheck {
  bool passes;
  const char* message;
};

// Shows the message of the first failing check (caption "error"); true when all pass.
bool PassesAll(std::span<const RangeCheck> checks) {
  for (const RangeCheck& check : checks) {
    if (!check.passes) {
      ShowMessage(check.message, "error");
      return false;
    }
  }
  return true;
}

// Shows the run's message of a fault of the settings rules; true when there is none.
bool HasNoFault(const std::optional<SettingsFault>& fault) {
  if (fault) ShowMessage(fault->runMessage, "error");
  return !fault;
}

bool CheckCircleRanges(const CircleSearchSettings& s) {
  const RangeCheck checks[] = {
      {s.CentreX[0] <= s.CentreX[1], "円弧中心　Xmax/Xmin　の値が不正です。"},
      {s.CentreX[2] >= 0.001, "円弧中心　ΔＸ　の値が不正です。"},
      {s.CentreY[0] <= s.CentreY[1], "円弧中心　Ymax/Ymin　の値が不正です。"},
      {s.CentreY[2] >= 0.001, "円弧中心　ΔＹ　の値が不正です。"},
      {s.Radius[0] <= s.Radius[1], "円弧半径　Rmax/Rmin　の値が不正です。"},
      {s.Radius[2] >= 0.001, "円弧半径　ΔＲ　の値が不正です。"},
  };
  return PassesAll(checks) && HasNoFault(CircleSettingsFault(s));
}

// The two warnings of method 3 on its angle range; the run goes on after them.
void WarnAboutAngleRange() {
  const auto& range = StraightSlipSettings.Range;
  if (range[1] < range[0]) ShowMessage("すべり角度　αmax/αmin　の値が不正です。", "error");
  if (range[2] < 0.001) ShowMessage(kAngleStepMessage, "error");
}

bool CheckLinesFromPoint() {
  const auto& range = StraightSlipSettings.Range;
  // A positive step that would never end the pass, or try more angles than a result table
  // holds, is refused at once, before the warnings that would repeat its message.
  if (range[2] > 0.0 && !AngleStepWorkable(range[0], range[1], range[2])) {
    ShowMessage(kAngleStepMessage, "error");
    return false;
  }
  WarnAboutAngleRange();
  const RangeCheck checks[] = {
      {range[2] > 0.0, "すべり角度　Δα　が０以下のため計算できません。"},
  };
  return PassesAll(checks) && HasNoFault(LineFromPointFault(StraightSlipSettings));
}

// Points on segment i (0 the start, 2 the end) at a positive spacing.
double SegmentPoints(int i, double spacing) {
  const StraightSlipSettingsRecord& s = StraightSlipSettings;
  return SegmentDivisions(s.PointX[i], s.PointY[i], s.PointX[i + 1], s.PointY[i + 1], spacing) +
         1.0;
}

// A spacing of 0 or less gives no division; a spacing so fine that the pairs of points outnumber
// a result table would not end in any useful time. The start spacing is judged by the points
// of its own segment, the end spacing by the pairs it makes with them.
bool CheckLinesBetweenSegments() {
  const auto& range = StraightSlipSettings.Range;
  const bool startPositive = range[0] > 0.0, endPositive = range[1] > 0.0;
  const double startPoints = startPositive ? SegmentPoints(0, range[0]) : 0.0;
  const double pairs = endPositive ? startPoints * SegmentPoints(2, range[1]) : 0.0;
  const RangeCheck checks[] = {
      {startPositive && startPoints <= kMaxSlipResults, "開始点ピッチ　の値が不正です。"},
      {endPositive && pairs <= kMaxSlipResults, "終了点ピッチ　の値が不正です。"},
  };
  return PassesAll(checks);
}

bool CheckMethodSettings() {
  switch (cm.kt) {
    case kMethodFellenius:
    case kMethodTschebotarioff: return CheckCircleRanges(FelleniusCircleSettings);
    case kMethodBishop:
    case kMethodModifiedBishop: return CheckCircleRanges(BishopCircleSettings);
    case kMethodLineFromPoint: return CheckLinesFromPoint();
    case kMethodLineBetweenSegments: return CheckLinesBetweenSegments();
    default: return true;
  }
}

}  // namespace

bool CheckRunSettings() {
  if (!CheckMethodSettings()) return false;
  const RangeCheck everyMethod[] = {
      {SliceWidthUsable(), "分割幅　の値が不正です。"},
      {DrawSettings.Decimals[0] >= kMinSafetyFactorDecimals, kDecimalsMessage},
  };
  return PassesAll(everyMethod);
}

}  // namespace selvana
