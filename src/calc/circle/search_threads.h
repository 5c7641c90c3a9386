// How many threads a circle search uses: SELVANA_THREADS when it holds a whole number 1..256,
// otherwise the machine's cores. A program or benchmark may set the number for its searches.
#pragma once

namespace selvana {

// The threads the next search uses (1 = the one-core path).
int SearchThreadCount();

// Sets the threads of later searches; 0 returns to SELVANA_THREADS or the machine's cores.
void SetSearchThreadCount(int threads);

}  // namespace selvana
