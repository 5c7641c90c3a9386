// Read, write, read, write: whatever a project file held, the model read from it is saved so
// that reading the saved file and saving again gives the same bytes.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz_support.h"
#include "model/project_file.h"
#include "model/project_model.h"

namespace {

std::string Contents(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace selvana;
  fuzz::PrepareInput("INPUT.SDW", data, size);
  ResetProjectData();
  if (ReadProjectFile("INPUT") != kReadOk) return 0;
  fuzz::Require(WriteProjectFile("FIRST") == kWriteOk, "the first save failed");
  ResetProjectData();
  fuzz::Require(ReadProjectFile("FIRST") == kReadOk, "a saved file does not read back");
  fuzz::Require(DataModified == 0, "a saved file needed repairs when read back");
  fuzz::Require(WriteProjectFile("SECOND") == kWriteOk, "the second save failed");
  std::string first = Contents("FIRST.SDW");
  std::string second = Contents("SECOND.SDW");
  // The base-name line names the file each was saved as; everything else must match.
  const std::string firstName = "\r\nFIRST\r\n";
  const std::string secondName = "\r\nSECOND\r\n";
  const std::size_t at = first.find(firstName);
  if (at != std::string::npos) first.replace(at, firstName.size(), secondName);
  fuzz::Require(first == second, "read -> write -> read -> write changed the file");
  return 0;
}
