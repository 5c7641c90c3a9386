// The print data grammar that the report viewer reads: a title line, a stamp line, then
// directive lines ("$T", "$0  form", "$H  form", ...) and field lines ("NN  value"). Every output
// file of the print set (print data, page forms, CSV) is CP932 text with CR LF line ends in the
// program folder; the writers keep the name of the first file that could not be written.
#pragma once
#include <string>
#include <string_view>

#include "platform/text_file.h"

namespace selvana {

// One output file. Text given as UTF-8 is converted to CP932 on the way out; Line takes bytes
// that already are CP932 (numbers, model strings).
class OutputFile {
 public:
  // Creates or replaces the file in the current directory; false when it cannot be created.
  bool Open(const std::string& name);
  const std::string& Name() const { return name_; }
  void Line(std::string_view cp932);
  void Utf8Line(std::string_view utf8);
  // Closes the file; true only when it was opened and every write succeeded.
  bool Close();

 protected:
  TextFileWriter writer_;
  std::string name_;
};

class PrintDataFile : public OutputFile {
 public:
  // Line 1, the report title of the file (UTF-8).
  void Title(std::string_view utf8) { Utf8Line(utf8); }
  // Line 2: the calculation date and time and the project file name.
  void Stamp();
  void TableStart() { Line("$T"); }
  // "$H", "$F", "$L": the end of a table block.
  void TableEnd();
  void Body(std::string_view form) { Directive("$0  ", form); }
  void Header(std::string_view form) { Directive("$H  ", form); }
  void Footer(std::string_view form) { Directive("$F  ", form); }
  // "NN  value" with the field number in two digits; the value is CP932.
  void Field(int number, std::string_view value);

 private:
  void Directive(std::string_view head, std::string_view form);
};

// The outcome of writing a set of output files.
struct OutputResult {
  std::string FailedFile;  // the first file that could not be written; empty when all were
  bool Ok() const { return FailedFile.empty(); }
};

// Closes the file and reports the outcome: Ok, or the file's name.
OutputResult Finish(OutputFile& file);

// Tells the user, once, which file could not be written (caption "error").
void ReportOutputFailure(const OutputResult& result);

// Changes to the program folder, where every output file is written.
void EnterOutputFolder();

}  // namespace selvana
