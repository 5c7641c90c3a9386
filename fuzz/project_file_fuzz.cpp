// The project file readers on any bytes: the full reader over a fresh model, then the three
// partial readers over what it left, as a user taking parts of a damaged file would.
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "model/project_file.h"
#include "model/project_model.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace selvana;
  fuzz::PrepareInput("INPUT.SDW", data, size);
  ResetProjectData();
  ReadProjectFile("INPUT");
  ReadProjectConditions("INPUT");
  ReadProjectBlocks("INPUT");
  ReadProjectTerrain("INPUT");
  return 0;
}
