// The run command of the calculation menu ("安定検討計算(&A)"): runs the search of the current
// method with the progress and abort windows, then shows the calculation figure.
#pragma once
#include "calc/progress/progress.h"
#include "editing/main_commands.h"

namespace selvana {

// A run entry of one method family: 0 after a run (with or without result, or stopped), -1
// after a refusal; it leaves CalcStatus 1 only with valid results.
using RunEntry = int (*)(CalcProgress& progress);

// The run entries of the three method families; an empty one runs nothing.
struct MethodRunEntries {
  RunEntry Fellenius = nullptr;     // methods 0 and 1
  RunEntry Bishop = nullptr;        // methods 2 and 4
  RunEntry StraightLine = nullptr;  // methods 3 and 5
};

// The entries this program has.
MethodRunEntries BuiltRunEntries();

// The entry of method code kt, or nullptr for a code outside 0..5 or a family without one.
RunEntry RunEntryOf(int kt, const MethodRunEntries& entries);

// Runs the entry of cm.kt. With CalcStatus then 1: CircleListCount := ConsolidateResults() and
// the view is redrawn (the figure and the result menus). Otherwise the view stays as it is and
// only the result menus follow CalcStatus, so no earlier results stay on offer. A method code
// without an entry does nothing. Returns 0.
int CalRunClick(CalcProgress& progress, const MethodRunEntries& entries = BuiltRunEntries());

// Registers CalRun with the given progress object; it must outlive the table.
void RegisterCalcCommand(CommandTable& table, CalcProgress& progress);

}  // namespace selvana
