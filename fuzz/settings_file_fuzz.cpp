// The settings file reader on any bytes, and the file written from what it read: read back and
// written again, it gives the same bytes.
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
  ResetMainWindowSettings();
  ReadSettingsFile(path + ".out");
  fuzz::Require(WriteSettingsFile(path + ".again"), "the settings were not written again");
  fuzz::Require(fuzz::FileContents(path + ".out") == fuzz::FileContents(path + ".again"),
                "read -> write -> read -> write changed the file");
  return 0;
}
