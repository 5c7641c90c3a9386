// Naming, removing and writing the dump files of the searches.
#include "calc/results/dump_file.h"

#include <filesystem>
#include <system_error>

#include "platform/file_lookup.h"
#include "platform/number_format.h"
#include "platform/program_folders.h"

namespace selvana {

AnswerDumpFile AnswerDump;

std::string DumpFileName(int order) {
  if (order < 1) return {};
  return StrFormat("answer%d.dmp", order < 4 ? order : 4);
}

void DeleteDumpFiles() {
  for (int order = 1; order <= 4; ++order) {
    std::error_code ignored;  // a file that is not there is what we want
    std::filesystem::remove(DumpFileName(order), ignored);
  }
}

void EnterDumpFolder() {
  if (!ProgramDir.empty()) ChangeDirectory(ProgramDir);
}

bool OpenDumpOfOrder(int order) {
  EnterDumpFolder();
  return AnswerDump.Open(order);
}

bool AnswerDumpFile::Open(int order) {
  if (writer_.IsOpen()) writer_.Close();
  const std::string name = DumpFileName(order);
  return !name.empty() && writer_.Open(name);
}

void AnswerDumpFile::WriteLine(std::string_view text) {
  if (writer_.IsOpen()) writer_.WriteLine(text);
}

void AnswerDumpFile::Write(std::string_view lines) {
  if (writer_.IsOpen()) writer_.Write(lines);
}

bool AnswerDumpFile::Close() { return writer_.IsOpen() ? writer_.Close() : true; }

}  // namespace selvana
