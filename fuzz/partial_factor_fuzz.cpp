// The partial-factor file reader on any bytes, and the file written from what it read: read
// back and written again, it gives the same bytes.
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "model/pile_factor_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace selvana;
  fuzz::PrepareInput("INPUT.PAK", data, size);
  PartialFactorsRecord factors{};
  ReadPartialFactorFile("INPUT", factors);
  fuzz::Require(WritePartialFactorFile("OUTPUT", factors) == 0, "the factors were not written");
  PartialFactorsRecord again{};
  ReadPartialFactorFile("OUTPUT", again);
  fuzz::Require(WritePartialFactorFile("AGAIN", again) == 0, "the factors were not written again");
  fuzz::Require(fuzz::FileContents("OUTPUT.PAK") == fuzz::FileContents("AGAIN.PAK"),
                "read -> write -> read -> write changed the file");
  return 0;
}
