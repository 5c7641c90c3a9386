// The file buttons of the sheet-pile and partial-factor dialogs: the file dialog, the folder,
// and the reading into (or writing from) the dialog's working copy. Nothing reaches the model
// here; the dialogs store on OK.
#pragma once
#include "forms/table_grid.h"
#include "model/project_model.h"
#include "platform/file_dialog.h"

namespace selvana {

// Asks for a sheet-pile file in DataDir; the chosen folder becomes DataDir and the current
// directory, and the file is read into pile and draw. True when a file was read (the dialog then
// shows the copies again); false after a cancel, or when the file could not be opened or was
// damaged (it was told, the copies are unchanged and the dialog keeps what it shows).
bool ImportSheetPileFile(FileDialog& files, SheetPileSettingsRecord& pile,
                         DrawSettingsRecord& draw);

// Asks for a partial-factor file in ProgramDir and reads it into factors. DataDir and the
// current directory stay as they were. True when a file was read, as for the sheet-pile file.
bool ImportPartialFactors(FileDialog& files, PartialFactorsRecord& factors);

// Asks for a partial-factor file name in ProgramDir and writes the factors of the grid (1.0 for
// an empty cell and for the unused factors), keeping them in factors. DataDir and the current
// directory stay as they were.
void ExportPartialFactors(FileDialog& files, const TableGrid& grid, PartialFactorsRecord& factors);

}  // namespace selvana
