// The result files of a calculation for the report viewer: per grid order (or pass) that holds
// results the result list, for circles the safety-factor table with its page forms, and the
// minimum report, as print data; the list and the table also as CSV.
#pragma once

namespace selvana {

// Results of WriteResultPrintFiles and of the writers.
inline constexpr int kResultFilesWritten = 0;
inline constexpr int kResultFilesNothing = 1;     // no valid results; the old files are removed
inline constexpr int kResultFilesNoRecords = -1;  // no order holds a record, or a bad method code
inline constexpr int kResultFilesFailed = -2;     // a file could not be written (user told)

// Removes the print data, CSV tables and generated forms of an earlier print, then, with valid
// results, writes the files of every order that holds results through the writer of cm.kt. Every
// file goes into the program folder, which stays current. A file that cannot be written is
// reported once in a box captioned "error" and ends the writing.
int WriteResultPrintFiles();

// The writers of the method families (cm.kt 0/1, 2/4, 3/5): 0, or kResultFilesFailed.
int WriteCircleResultFiles();
int WriteBishopResultFiles();
int WriteStraightSlipResultFiles();

// Removes the print data files, the CSV tables and the generated forms an earlier print left in
// the current folder (the check lists among them).
void RemoveOldPrintFiles();

}  // namespace selvana
