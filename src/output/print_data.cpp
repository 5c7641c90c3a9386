// Output files of the print set and the lines of the print data grammar.
#include "output/print_data.h"

#include "model/project_model.h"
#include "platform/cp932.h"
#include "platform/file_lookup.h"
#include "platform/message_box.h"
#include "platform/number_format.h"
#include "platform/program_folders.h"

namespace selvana {

bool OutputFile::Open(const std::string& name) {
  name_ = name;
  return writer_.Open(name);
}

void OutputFile::Line(std::string_view cp932) {
  if (writer_.IsOpen()) writer_.WriteLine(cp932);
}

void OutputFile::Utf8Line(std::string_view utf8) { Line(ToCp932(utf8)); }

bool OutputFile::Close() { return writer_.Close(); }

void PrintDataFile::Stamp() {
  const CalcDateTimeRecord& t = cm.CalcDateTime;
  Line(StrFormat("%-4d%-4d%-4d%-4d%-4d%-4d        %-8s", t.Date[0], t.Date[1], t.Date[2], t.Time[0],
                 t.Time[1], t.Time[2], cm.ProjectFileName.c_str()));
}

void PrintDataFile::TableEnd() {
  Line("$H");
  Line("$F");
  Line("$L");
}

void PrintDataFile::Field(int number, std::string_view value) {
  std::string line = StrFormat("%02d  ", number);
  line += value;
  Line(line);
}

void PrintDataFile::Directive(std::string_view head, std::string_view form) {
  std::string line(head);
  line += form;
  Line(line);
}

OutputResult Finish(OutputFile& file) {
  if (file.Close()) return {};
  return {file.Name()};
}

void ReportOutputFailure(const OutputResult& result) {
  if (result.Ok()) return;
  ShowMessage(StrFormat("印刷データ(%s) を書き込めませんでした。", result.FailedFile.c_str()),
              "error", MsgButtons::Ok, MsgIcon::Error);
}

void EnterOutputFolder() {
  if (!ProgramDir.empty()) ChangeDirectory(ProgramDir);
}

}  // namespace selvana
