// The input check lists of the printed report: every input of the project restated as print
// data, the first as entered, the second (with partial factors on) with the factors applied.
#pragma once

namespace selvana {

// The result when the file could not be written (after a box captioned "error").
inline constexpr int kCheckListFailed = -2;

// The forms a check list brings along when it uses them: the slip angles method 3 searched, and
// the notes on what the run leaves out. An earlier print's are removed with its files.
inline constexpr const char* kSearchedAnglesForm = "SB_CHKSA.PFM";
inline constexpr const char* kLeftOutNotesForm = "SB_CHKNT.PFM";

// Writes "SB_CHK01.PDT" (which 0) or "SB_CHK02.PDT" (any other) in the program folder from the
// live model, with the user's partial-factor switch and factors (those of the design copy while
// one is in force). Gives every used point slot its index as Id and traces every block's outline
// again. For method 3 whose limit lines narrow the slip angles, first writes the form
// "SB_CHKSA.PFM" that lists the searched angles under the user's; when the run of the current
// method leaves out sand piles or the sheet pile, the form "SB_CHKNT.PFM" and one line of it
// per note of the verdict. 0 when written.
int WriteCheckList(int which);

}  // namespace selvana
