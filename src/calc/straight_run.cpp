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

namespace selvana {
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
  FinishCalcRun(progress, notes);
  return 0;
}

}  // namespace selvana
