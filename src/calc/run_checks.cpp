// The range checks of the run entries, one table per method family and the slice width for all.
#include "calc/run_checks.h"

#include <span>

#include "calc/slicing/walk.h"
#include "model/project_model.h"
#include "platform/message_box.h"

namespace selvana {
namespace {

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

bool CheckCircleRanges(const CircleSearchSettings& s) {
  const RangeCheck checks[] = {
      {s.CentreX[0] <= s.CentreX[1], "円弧中心　Xmax/Xmin　の値が不正です。"},
      {s.CentreX[2] >= 0.001, "円弧中心　ΔＸ　の値が不正です。"},
      {s.CentreY[0] <= s.CentreY[1], "円弧中心　Ymax/Ymin　の値が不正です。"},
      {s.CentreY[2] >= 0.001, "円弧中心　ΔＹ　の値が不正です。"},
      {s.Radius[0] <= s.Radius[1], "円弧半径　Rmax/Rmin　の値が不正です。"},
      {s.Radius[2] >= 0.001, "円弧半径　ΔＲ　の値が不正です。"},
  };
  return PassesAll(checks);
}

// The two warnings of method 3 on its angle range; the run goes on after them.
void WarnAboutAngleRange() {
  const auto& range = StraightSlipSettings.Range;
  if (range[1] < range[0]) ShowMessage("すべり角度　αmax/αmin　の値が不正です。", "error");
  if (range[2] < 0.001) ShowMessage("すべり角度　Δα　の値が不正です。", "error");
}

bool CheckLinesFromPoint() {
  WarnAboutAngleRange();
  const auto& range = StraightSlipSettings.Range;
  const RangeCheck checks[] = {
      {range[2] > 0.0, "すべり角度　Δα　が０以下のため計算できません。"},
  };
  return PassesAll(checks);
}

bool CheckLinesBetweenSegments() {
  const auto& range = StraightSlipSettings.Range;
  const RangeCheck checks[] = {
      {range[0] > 0.0, "開始点ピッチ　の値が不正です。"},
      {range[1] > 0.0, "終了点ピッチ　の値が不正です。"},
  };
  return PassesAll(checks);
}

bool CheckMethodSettings() {
  switch (cm.kt) {
    case kMethodFellenius:
    case kMethodTschebotarioff:
      return CheckCircleRanges(FelleniusCircleSettings);
    case kMethodBishop:
    case kMethodModifiedBishop:
      return CheckCircleRanges(BishopCircleSettings);
    case kMethodLineFromPoint:
      return CheckLinesFromPoint();
    case kMethodLineBetweenSegments:
      return CheckLinesBetweenSegments();
    default:
      return true;
  }
}

}  // namespace

bool CheckRunSettings() {
  if (!CheckMethodSettings()) return false;
  const RangeCheck sliceWidth[] = {{SliceWidthUsable(), "分割幅　の値が不正です。"}};
  return PassesAll(sliceWidth);
}

}  // namespace selvana
