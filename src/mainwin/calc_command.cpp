// The run command: dispatch on the method code, then consolidation and redraw.
#include "mainwin/calc_command.h"

#include "calc/results/consolidation.h"
#include "mainwin/drawing_menus.h"
#include "model/project_model.h"
#include "view/redraw_view.h"

namespace selvana {

RunEntry RunEntryOf(int kt, const MethodRunEntries& entries) {
  switch (kt) {
    case kMethodFellenius:
    case kMethodTschebotarioff: return entries.Fellenius;
    case kMethodBishop:
    case kMethodModifiedBishop: return entries.Bishop;
    case kMethodLineFromPoint:
    case kMethodLineBetweenSegments: return entries.StraightLine;
    default: return nullptr;
  }
}

int CalRunClick(CalcProgress& progress, const MethodRunEntries& entries) {
  const RunEntry run = RunEntryOf(cm.kt, entries);
  if (!run) return 0;
  run(progress);
  if (CalcStatus == 1) {
    CircleListCount = ConsolidateResults();
    RedrawView(kRedrawModel);
  } else {
    UpdateDrawingMenus(0);
  }
  return 0;
}

void RegisterCalcCommand(CommandTable& table, CalcProgress& progress) {
  table.Set(MainCommand::CalRun, [&progress](int) { CalRunClick(progress); });
}

}  // namespace selvana
