// The sheet-pile earth-pressure file (*.DAT) and the partial-factor file (*.PAK): small text
// files with which the sheet-pile and partial-factor dialogs reuse data between projects. The
// readers fill the dialogs' working copies, never the model.
#pragma once
#include <string>

#include "model/project_model.h"

namespace selvana {

// Reads name + ".DAT" (name without extension as the file system spells it, UTF-8; the
// extension is matched ignoring case): top elevation, embedment elevation, section area and
// lm1 on lines 1-4, then rows "elevation,intensity" while a line starts with a digit, "-" or
// "."; at most 64 rows are stored (the user is told when more were cut). Lines are scanned
// with "%lf" and "%lf,%lf". Leaves what the file has no field for (PileX, AllowableShear, Mode,
// Dummy) alone, and resets the label placement of every row read in draw. 0 when read; 1 when
// the file cannot be opened, or when a value it should supply is missing (one of the four value
// lines among them), no number or beyond the range of a double (after an "error" message naming
// the first such line; records unchanged).
int ReadSheetPileSpecFile(const std::string& name, SheetPileSettingsRecord& pile,
                          DrawSettingsRecord& draw);

// Reads the 32 factors of name + ".PAK", one a line, into factors (Enabled is not in the file).
// A shorter file fills what it has. 0 when read; 1 when it cannot be opened, or when a line holds
// no number or one beyond the range of a double (after an "error" message naming the first such
// line; factors unchanged).
int ReadPartialFactorFile(const std::string& name, PartialFactorsRecord& factors);

// Writes the 32 factors to name + ".PAK" ("%lf" a line, CR LF), replacing a file of that name
// in any case of its extension. 0 when written; 1 after an "error" message when the file could
// not be created or written.
int WritePartialFactorFile(const std::string& name, const PartialFactorsRecord& factors);

}  // namespace selvana
