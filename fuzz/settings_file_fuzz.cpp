// The settings file reader on any bytes, and the file written from what it read read back.
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "mainwin/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace selvana;
  const std::string path = fuzz::PrepareInput(kSettingsFileName, data, size);
  ResetMainWindowSettings();
  ReadSettingsFile(path);
  fuzz::Require(WriteSettingsFile(path + ".out"), "the settings were not written");
  ReadSettingsFile(path + ".out");
  return 0;
}
