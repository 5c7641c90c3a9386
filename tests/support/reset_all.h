// Puts every piece of global state back to its start, so each test starts clean.
#pragma once

namespace selvana::test {

void ResetAllState();

}  // namespace selvana::test
