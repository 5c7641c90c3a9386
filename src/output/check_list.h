// The input check lists of the printed report: every input of the project restated as print
// data, the first as entered, the second (with partial factors on) with the factors applied.
#pragma once

namespace selvana {

// The result when the file could not be written (after a box captioned "error").
inline constexpr int kCheckListFailed = -2;

// Writes "SB_CHK01.PDT" (which 0) or "SB_CHK02.PDT" (any other) in the program folder from the
// live model, with the user's partial-factor switch and factors (those of the design copy while
// one is in force). Gives every used point slot its index as Id and traces every block's outline
// again. For method 3 whose limit lines narrow the slip angles, first writes the form
// "SB_CHKSA.PFM" that lists the searched angles under the user's. 0 when written.
int WriteCheckList(int which);

}  // namespace selvana
