// The circle walk on several threads. The circles of a batch of centres (a run of one column,
// about five hundred circles) are cut by search threads, each in its own workspace, while the
// searching thread stores the surfaces of the batch before, centre by centre in the order of
// the one-thread walk: the abort poll and CentreReached for each centre, then its surfaces.
// So every record, dump line, minimum and progress text comes out as the one-thread walk gives
// them.
#pragma once

#include "calc/circle/search.h"
#include "calc/progress/progress.h"

namespace selvana {

// Walks all centres of the current grid order with `threads` search threads (2 or more) for
// a method whose CutsOnThreads() is true. False when the user stopped the search. The
// searching thread's workspace and surface state end as the one-thread walk leaves them.
bool WalkCentresOnThreads(CircleMethod& method, CalcProgress& progress, int threads);

}  // namespace selvana
