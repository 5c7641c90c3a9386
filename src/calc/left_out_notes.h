// What a run leaves out of the model it is given, told under its verdict, so that a factor
// calculated without the sand piles or the sheet pile the user entered is not read as one
// calculated with them.
#pragma once

#include "calc/run_entry.h"

namespace selvana {

// Adds one line to notes.lines for each feature of the user's model the run of the current
// method leaves out: sand piles in a used block when partial factors are on (the design copy
// clears them) or the method is Bishop's (2, 4); a sheet pile whose mode is set when the method
// does not read it (any but 0 and 1). Reads the user's model, also while a design copy is in
// force (the second check list is written under one).
void NoteLeftOutFeatures(VerdictNotes& notes);

}  // namespace selvana
