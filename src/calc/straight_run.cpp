// The straight-line run entry, the twin of the circle run entry with its own checks and search.
#include "calc/straight_run.h"

#include "calc/left_out_notes.h"
#include "calc/results/slip_result.h"
#include "calc/run_checks.h"
#include "calc/run_entry.h"
#include "calc/run_model_checks.h"
#include "calc/slicing/polygons.h"
#include "calc/straight/angle_search.h"
#include "calc/straight/endpoint_search.h"
#include "model/design_copy.h"
#include "model/partial_factors.h"
#include "model/project_model.h"
#include "platform/message_box.h"
#include "platform/number_format.h"

namespace selvana {
namespace {

// Method 3 tells the slip angles it searched when the limit lines narrowed the user's range.
void NoteSearchedAngles(VerdictNotes& notes) {
  if (cm.kt != kMethodLineFromPoint) return;
  if (const std::optional<SlipAngleLimits> searched = NarrowedSlipAngles()) {
    notes.lines.push_back(StrFormat("※ すべり角度は %1.3f～%1.3f° の範囲で探索しました。",
                                    searched->min, searched->max));
  }
}

}  // namespace

int RunStraightLineCalc(CalcProgress& progress) {
  CalcStatus = 0;
  if (cm.kt != kMethodLineFromPoint && cm.kt != kMethodLineBetweenSegments) {
    ShowMessage("cm.kt != 3", "break");
    return -1;
  }
  if (!CheckRunSettings()) return -1;
  SlopeDirection = 1;
  BuildBlockPolygons();
  if (!CheckRunModel()) return -1;
  VerdictNotes notes;
  NoteLeftOutFeatures(notes);
  {
    DesignCopyScope designCopy(&ApplyPartialFactorsStraight);
    if (cm.kt == kMethodLineFromPoint) {
      SearchSlipLinesByAngle(progress);
    } else {
      SearchSlipLinesByEndpoints(progress);
    }
  }
  SlopeDirection = MinSlip.Direction;
  NoteSearchedAngles(notes);
  notes.noResultReason = NoResultReason("すべり線");
  FinishCalcRun(progress, notes);
  return 0;
}

}  // namespace selvana
