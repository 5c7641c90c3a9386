// The text dump files of the searches, "answer1.dmp" to "answer4.dmp" in the program folder:
// one per grid order or pass, every accepted slip surface as fixed-format lines ending CR LF.
// Nothing reads them back; they are there for the engineer who checks a run by hand.
#pragma once
#include <string>
#include <string_view>

#include "platform/text_file.h"

namespace selvana {

// "answer1.dmp" .. "answer4.dmp"; orders 4 and above share "answer4.dmp". Empty below 1.
std::string DumpFileName(int order);

// Removes the four dump files from the current directory (the program folder), so that a run
// leaves only the files of the orders it reached.
void DeleteDumpFiles();

// Makes the program folder current, where the dump files live: a file dialog may have made
// another folder current since start-up. Without a known program folder (tests) the current one
// serves.
void EnterDumpFolder();

// Enters the dump folder and opens AnswerDump on the file of order (see AnswerDumpFile::Open).
bool OpenDumpOfOrder(int order);

// A dump file of one order or pass.
class AnswerDumpFile {
 public:
  // Closes any file still open (use Close first to learn whether it was written), then creates
  // or replaces the file of order in the current directory. False when it cannot be created:
  // the stores then write no lines and still store their records.
  bool Open(int order);
  bool IsOpen() const { return writer_.IsOpen(); }
  // One line; CR LF is added. Does nothing when no file is open.
  void WriteLine(std::string_view text);
  // Lines with their own CR LF. Does nothing when no file is open.
  void Write(std::string_view lines);
  // Closes the file; true when every line and the close succeeded, or no file was open.
  bool Close();

 private:
  TextFileWriter writer_;
};

// The dump file of the current order or pass: the searches open and close it, the result
// stores write to it.
extern AnswerDumpFile AnswerDump;

}  // namespace selvana
