// Read, write, read, write: whatever a project file held, the model read from it is saved so
// that reading the saved file and saving again gives the same bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "model/project_file.h"
#include "model/project_model.h"

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
  std::string first = fuzz::FileContents("FIRST.SDW");
  std::string second = fuzz::FileContents("SECOND.SDW");
  // The base-name line names the file each was saved as; everything else must match.
  const std::string firstName = "\r\nFIRST\r\n";
  const std::string secondName = "\r\nSECOND\r\n";
  const std::size_t at = first.find(firstName);
  if (at != std::string::npos) first.replace(at, firstName.size(), secondName);
  fuzz::Require(first == second, "read -> write -> read -> write changed the file");
  return 0;
}
