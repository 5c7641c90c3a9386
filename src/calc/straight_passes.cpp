// The number of passes of a straight-line search and the folder of its dump files.
#include "calc/straight_passes.h"

#include <algorithm>

#include "calc/slip_result.h"
#include "model/project_model.h"
#include "platform/file_lookup.h"
#include "platform/program_folders.h"

namespace selvana {

int StraightPassCount() { return std::clamp(StraightSlipSettings.Passes, 1, kSlipResultOrders); }

void EnterDumpFolder() {
  if (!ProgramDir.empty()) ChangeDirectory(ProgramDir);
}

}  // namespace selvana
