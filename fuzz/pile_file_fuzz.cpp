// The sheet-pile earth-pressure file reader on any bytes.
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "model/pile_factor_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace selvana;
  fuzz::PrepareInput("INPUT.DAT", data, size);
  SheetPileSettingsRecord pile{};
  DrawSettingsRecord draw{};
  ReadSheetPileSpecFile("INPUT", pile, draw);
  fuzz::Require(pile.RowCount >= 0 && pile.RowCount <= kMaxPileRows, "row count out of range");
  return 0;
}
