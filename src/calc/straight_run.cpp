// The straight-line run entry, the twin of the circle run entry with its own checks and search.
#include "calc/straight_run.h"

#include "calc/results/slip_result.h"
#include "calc/run_entry.h"
#include "calc/slicing/polygons.h"
#include "calc/straight/angle_search.h"
#include "calc/straight/endpoint_search.h"
#include "model/design_copy.h"
#include "model/partial_factors.h"
#include "model/project_model.h"
#include "platform/message_box.h"

namespace selvana {
namespace {

// The two warnings of method 3 on its angle range; the run goes on after them.
void WarnAboutAngleRange() {
  const auto& range = StraightSlipSettings.Range;
  if (range[1] < range[0]) ShowMessage("すべり角度　αmax/αmin　の値が不正です。", "error");
  if (range[2] < 0.001) ShowMessage("すべり角度　Δα　の値が不正です。", "error");
}

bool Refuse(const char* message) {
  ShowMessage(message, "error");
  return false;
}

}  // namespace

bool CheckStraightLineSettings() {
  const auto& range = StraightSlipSettings.Range;
  if (cm.kt == kMethodLineFromPoint) {
    WarnAboutAngleRange();
    if (!(range[2] > 0.0)) {
      return Refuse("すべり角度　Δα　が０以下のため計算できません。");
    }
  } else {
    if (!(range[0] > 0.0)) return Refuse("開始点ピッチ　の値が不正です。");
    if (!(range[1] > 0.0)) return Refuse("終了点ピッチ　の値が不正です。");
  }
  if (!(cm.SliceWidth >= 0.001)) return Refuse("分割幅　の値が不正です。");
  return true;
}

int RunStraightLineCalc(CalcProgress& progress) {
  CalcStatus = 0;
  if (cm.kt != kMethodLineFromPoint && cm.kt != kMethodLineBetweenSegments) {
    ShowMessage("cm.kt != 3", "break");
    return -1;
  }
  if (!CheckStraightLineSettings()) return -1;
  SlopeDirection = 1;
  BuildBlockPolygons();
  {
    DesignCopyScope designCopy(&ApplyPartialFactorsStraight);
    if (cm.kt == kMethodLineFromPoint) {
      SearchSlipLinesByAngle(progress);
    } else {
      SearchSlipLinesByEndpoints(progress);
    }
  }
  SlopeDirection = MinSlip.Direction;
  FinishCalcRun(progress);
  return 0;
}

}  // namespace selvana
