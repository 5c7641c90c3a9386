// The reset run before every test: the model and every subsystem's own state.
#include "support/reset_all.h"

#include "calc/circle/bishop_totals.h"
#include "calc/results/consolidation.h"
#include "calc/results/result_store.h"
#include "calc/run_data.h"
#include "editing/mouse_state.h"
#include "mainwin/settings_file.h"
#include "model/line_records.h"
#include "model/project_model.h"
#include "output/result_matrix.h"
#include "view/figure_frame.h"

namespace selvana::test {

void ResetAllState() {
  ResetMainWindowSettings();
  ResetProjectData();
  MouseState = MouseStateRecord{};
  SavedMouseState = MouseStateRecord{};
  ResetBlockOutline();
  FigureFrame = FigureFrameRecord{};
  ResetResultStoreState();
  ResetCalcRunData();
  ResetConsolidation();
  ResetBishopState();
  ResetResultOutputState();
}

}  // namespace selvana::test
